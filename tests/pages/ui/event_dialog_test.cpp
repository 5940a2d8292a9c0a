// The event dialog driven like a user would: names completed and loaded, the
// rules applied when a field is left, refusals, and what the command stores.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "base/currency.h"
#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_commands.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/ranking_entry.h"

using namespace scorvane;
using namespace scorvane::testing;

class EventDialogTest : public WindowFixture {
  Q_OBJECT

 private:
  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* lyon_ = nullptr;
  EPREUVE* vichy_ = nullptr;

  EventEntry NewEntry() { return {nullptr, nullptr, NewEventValues(2001, Today())}; }

  void TypeAndLeave(QComboBox* box, const QString& text) {
    box->setFocus();
    ReplaceText(box->lineEdit(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }

 private slots:
  void init() {
    WindowFixture::init();
    DocumentBuilder b(Owner());
    season_ = b.Season(2001, "15/4");
    lyon_ = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    lyon_->SetEndDate(DATE_SIMPLE(6, 5, 2001));
    lyon_->SetPrizeMoney(SOMME(150));
    lyon_->SetWon(true);
    vichy_ = Owner().AddEvent(std::make_unique<EPREUVE>("Tournoi de Vichy"));
    vichy_->SetType(EPREUVE::kChampionship);
    vichy_->AddPlayed(DATE_SIMPLE(10, 7, 1999), DATE_SIMPLE(12, 7, 1999));
    Doc().SetModifiedFlag(false);
  }

  void ANameIsCompletedAndLoaded() {
    DLG_SAISIE_EPREUVE dialog(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(dialog));
    TypeAndLeave(dialog.NameBox(), "tournoi");
    QCOMPARE(dialog.NameBox()->currentText(), QStringLiteral("Tournoi de Vichy"));
    QCOMPARE(dialog.TypeBox()->currentText(), QStringLiteral("Championship"));
    // No participation in 2001: the 1999 period, brought into the season.
    QCOMPARE(dialog.StartDate()->date(), QDate(2001, 7, 10));
    QCOMPARE(dialog.EndDate()->date(), QDate(2001, 7, 12));
    QCOMPARE(dialog.Entry().event, vichy_);
    QVERIFY(dialog.Entry().played == nullptr);

    TypeAndLeave(dialog.NameBox(), "OPEN DE LYON");
    QCOMPARE(dialog.NameBox()->currentText(), QStringLiteral("Open de Lyon"));
    QCOMPARE(dialog.PrizeMoney()->text(), QStringLiteral("150"));
    QVERIFY(dialog.WonBox()->isChecked());
    QCOMPARE(dialog.Entry().played, lyon_);

    // A name of no event makes a new event, without the money of the one
    // loaded before.
    TypeAndLeave(dialog.NameBox(), "Open de Paris");
    QVERIFY(dialog.Entry().event == nullptr);
    QVERIFY(dialog.Entry().played == nullptr);
    QCOMPARE(dialog.PrizeMoney()->text(), QStringLiteral("0"));
  }

  // The date rules have their own tests; here leaving the field applies them.
  void TheStartYearStaysInTheSeason() {
    DLG_SAISIE_EPREUVE dialog(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(dialog));
    dialog.StartDate()->setFocus();
    dialog.StartDate()->setDate(QDate(1999, 3, 12));
    QTest::keyClick(dialog.StartDate(), Qt::Key_Tab);
    QCOMPARE(dialog.StartDate()->date(), QDate(2001, 3, 12));
    QCOMPARE(dialog.EndDate()->date(), QDate(2001, 3, 12));  // the end follows until changed
  }

  void WonAndBestRankingFollowTheSystem() {
    DLG_SAISIE_EPREUVE french(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(french));
    const struct {
      int type;
      bool won_enabled;
    } kinds[] = {{0, false}, {1, true}, {2, true}, {3, false}};
    for (const auto& kind : kinds) {
      french.TypeBox()->setCurrentIndex(kind.type);
      QCOMPARE(french.WonBox()->isEnabled(), kind.won_enabled);
    }
    french.TypeBox()->setCurrentIndex(1);
    QVERIFY(!french.BestRanking()->isEnabled());
    french.WonBox()->click();
    QVERIFY(french.BestRanking()->isEnabled());
    french.TypeBox()->setCurrentIndex(3);  // a team event cannot be won
    QVERIFY(!french.WonBox()->isChecked());
    QVERIFY(!french.BestRanking()->isEnabled());

    Registry().SetActive(&Registry().Belgian());
    DLG_SAISIE_EPREUVE belgian(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(belgian));
    QVERIFY(belgian.WonBox()->isEnabled());
    QVERIFY(!belgian.BestRanking()->isVisible());
    QVERIFY(!belgian.BestRankingLabel()->isVisible());
  }

  void AnEmptyNameIsRefused() {
    DLG_SAISIE_EPREUVE dialog(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(dialog));
    ReplaceText(dialog.Prizes(), "a racket");
    ClickButton(&dialog, "okButton");
    QCOMPARE(
        MessageBoxes::Said().back(),
        QStringLiteral("You must give the event a name !\nExample: Union St Bruno tournament"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Prizes()->text(), QStringLiteral("a racket"));
  }

  void TheNewEventCommandMakesTheRecordsInFrancs() {
    Currency::SetCurrent(Currency::kEuros);
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SAISIE_EPREUVE*>(modal);
      for (QLabel* label : dialog->CurrencyLabels())
        QCOMPARE(label->text(), QStringLiteral("Euros"));
      dialog->NameBox()->setEditText("Open de Paris");
      dialog->EntryFee()->setText("100");
      ClickButton(dialog, "okButton");
    });
    QVERIFY(NewEventCommand(nullptr));
    EPREUVE_JOUEE* played = season_->Palmares()->PlayedEvents().Front();
    QCOMPARE(played->Event()->Name(), std::string("Open de Paris"));
    QCOMPARE(played->EntryFee().Get(), 100.0f / 0.15244902f);
    QVERIFY(Doc().IsModified());
  }
};

QTEST_MAIN(EventDialogTest)
#include "event_dialog_test.moc"

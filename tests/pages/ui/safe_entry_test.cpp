// Typed entries land where they are typed and as they were meant: dates,
// amounts and scores, with the field at fault given the focus back.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_commands.h"
#include "pages/common/matches/match_dialog.h"
#include "pages/common/players/player_page.h"
#include "pages/common/players/player_questions.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/date_field.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;
using MatchDialog = DLG_SAISIE_RENCONTRE;

namespace {

// Clicks the day of a date field, as a user starts typing a date.
void ClickDay(DateField* field) {
  QLineEdit* text = field->findChild<QLineEdit*>();
  QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(6, text->height() / 2));
}

}  // namespace

class SafeEntryTest : public WindowFixture {
  Q_OBJECT

 private:
  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* lyon_ = nullptr;

  EventEntry NewEntry() {
    return {nullptr, nullptr, NewEventValues(2001, DATE_SIMPLE(1, 1, 2001))};
  }

 private slots:
  void init() {
    WindowFixture::init();
    Doc().AddDefaultContents();
    DocumentBuilder b(Owner());
    season_ = b.Season(2001, "15/4");
    lyon_ = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    b.Singles(lyon_, b.Player("Paul", "Martin", {{2001, "30/1"}}), true, "6/4 6/4");
    Doc().SetModifiedFlag(false);
  }

  void ADateTypedWithItsSlashesStaysInItsField() {
    DLG_SAISIE_EPREUVE events(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(events));
    const struct {
      const char* typed;
      QDate date;
    } dates[] = {{"15/03/2001", QDate(2001, 3, 15)},
                 {"15032001", QDate(2001, 3, 15)},
                 {"1/3/2001", QDate(2001, 3, 1)}};
    for (const auto& typed : dates) {
      ClickDay(events.StartDate());
      QTest::keyClicks(QApplication::focusWidget(), typed.typed);
      QCOMPARE(events.StartDate()->date(), typed.date);
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(events.StartDate()));
    }
    QCOMPARE(events.PrizeMoney()->text(), QStringLiteral("0"));
    QCOMPARE(events.EndDate()->date(), QDate(2001, 1, 1));

    MatchDialog match(Owner(), *season_, MatchEventChoice::Played(lyon_));
    QVERIFY(ShowActive(match));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(match.Date()));
    QTest::keyClicks(QApplication::focusWidget(), "15/03/2001");
    QCOMPARE(match.Date()->date(), QDate(2001, 3, 15));
    QCOMPARE(match.EventLine(0)->text(), QStringLiteral("Event: Open de Lyon"));
  }

  void AMatchWithoutADateKeepsItWhenConfirmed() {
    RENCONTRE* match = lyon_->Matches().Front();
    match->SetDate(DATE_SIMPLE());
    MatchDialog dialog(Owner(), *season_, *match);
    QVERIFY(ShowActive(dialog));
    QCOMPARE(dialog.Date()->text().trimmed(), QString());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DialogPlayerQuestions questions(&dialog);
    dialog.Store(questions);
    QCOMPARE(match->GetDate(), DATE_SIMPLE());
  }

  void AmountFieldsTakeOnlyAmounts() {
    DLG_SAISIE_EPREUVE dialog(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(dialog));
    ReplaceText(dialog.NameBox()->lineEdit(), "Open de Paris");
    const struct {
      const char* typed;
      const char* shown;
    } cases[] = {
        {"ab/9", "9"}, {"xyz", "0"}, {"12,5", "12.50"}, {"1 500", "1500"}, {"1 500,50", "1500.50"}};
    for (QLineEdit* field : {dialog.Travel(), dialog.EntryFee(), dialog.PrizeMoney()}) {
      for (const auto& c : cases) {
        TypeAndLeave(field, c.typed);
        QCOMPARE(field->text(), QString::fromLatin1(c.shown));
      }
    }
    TypeAndLeave(dialog.EntryFee(), "03/2001");
    QCOMPARE(dialog.EntryFee()->text(), QStringLiteral("032001"));
    MessageBoxes::Said().clear();
    ClickButton(&dialog, "okButton");
    QCOMPARE(
        MessageBoxes::Said(),
        QStringList({"Entry fee: enter an amount from 0 to 9999.99 F, for example 1 500,50."}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.EntryFee()));
    ReplaceText(dialog.EntryFee(), "80");
    ClickButton(&dialog, "okButton");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const EPREUVE_JOUEE* played = StoreEventEntry(Owner(), dialog.Entry(), season_);
    QCOMPARE(played->PrizeMoney().Get(), 1500.5f);
    QCOMPARE(played->EntryFee().Get(), 80.0f);
  }

  void AfterAMessageTheFocusIsOnTheFieldAtFault() {
    AnswerNextModal([](QWidget* chooser) { ClickButton(chooser, "friendlyButton"); });
    AnswerNextModal([](QWidget* modal) {
      auto& dialog = *qobject_cast<MatchDialog*>(modal);
      QTest::keyClicks(QApplication::focusWidget(), "0/0");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QVERIFY(LastSaid().startsWith("To define singles, you must give your opponent"));
      QLineEdit* first_name = dialog.Page(MatchDialog::kOpponent1)->FirstName();
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(first_name));
      QTest::keyClicks(QApplication::focusWidget(), "7/6(12) 6/7(3) 10/8");
      QCOMPARE(first_name->text(), QStringLiteral("7/6(12) 6/7(3) 10/8"));
      QCOMPARE(dialog.EventLine(0)->text(), QStringLiteral("Event: Friendly Matches"));
      ClickButton(modal, "cancelButton");
    });
    EscapeNextModal();  // the chooser stays open after a cancelled match
    QVERIFY(!NewMatchCommand(nullptr));
    QCOMPARE(PendingModalAnswers(), 0);  // no event dialog ever opened
  }

  void TheUsualScoreIsReadAndAnUnusualOneAskedAbout() {
    MatchDialog dialog(Owner(), *season_, *lyon_->Matches().Front());
    QVERIFY(ShowActive(dialog));
    TypeAndLeave(dialog.Score(), "6-4 7-6(5)");
    QCOMPARE(dialog.Score()->text(), QStringLiteral("6/4 7/6(5)"));
    const struct {
      const char* score;
      bool won;
      const char* doubt;
    } doubts[] = {
        {"4/6", true, "The match is recorded as won, but the score gives your opponent more sets."},
        {"abc", true, "The score gives no set for a match that was played (not a walk-over)."},
        {"0/0", true, "The score has a set with as many games on both sides."},
        {"99/0", true, "The score has a number that cannot be the games of a set."},
        {"6/4 6/4 6/4 6/4 6/4", true, "The score goes on after one side has won three sets."},
        {"6/4 6/2", false, "The match is recorded as lost, but the score gives you more sets."},
    };
    for (const auto& d : doubts) {
      (d.won ? dialog.Victory() : dialog.Defeat())->click();
      ReplaceText(dialog.Score(), d.score);
      MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kNo});
      QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
      QCOMPARE(LastSaid(), QString::fromLatin1(d.doubt) + "\nStore the score as it is?");
      QVERIFY(dialog.isVisible());
      QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.Score()));
    }
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void AScoreWithDashesIsStoredWithSlashes() {
    MatchDialog dialog(Owner(), *season_, *lyon_->Matches().Front());
    QVERIFY(ShowActive(dialog));
    dialog.Victory()->click();
    ReplaceText(dialog.Score(), "6-4 7-6(5)");
    QTest::keyClick(dialog.Score(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    DialogPlayerQuestions questions(&dialog);
    const RENCONTRE* stored = dialog.Store(questions);
    QCOMPARE(stored->Result().ScoreText(), std::string("6/4 7/6(5)"));
    QCOMPARE(stored->Result().CountSets(0), 2);
  }

  void APeriodFarFromTheSeasonIsAskedAbout() {
    DLG_SAISIE_EPREUVE dialog(Owner(), 2001, NewEntry());
    QVERIFY(ShowActive(dialog));
    ReplaceText(dialog.NameBox()->lineEdit(), "Open de Paris");
    ClickDay(dialog.EndDate());
    QTest::keyClicks(QApplication::focusWidget(), "23/01/2003");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kNo});
    ClickButton(&dialog, "okButton");
    QCOMPARE(LastSaid(), QStringLiteral("The event runs from 01/01/2001 to 23/01/2003, far from "
                                        "season 2001 (1 November 2000 to 31 October 2001). Is "
                                        "this period right?"));
    QVERIFY(dialog.isVisible());
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    ClickButton(&dialog, "okButton");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(SafeEntryTest)
#include "safe_entry_test.moc"

// Entering matches through the real dialogs, as a user would, checked for
// what is stored and for what a cancel or a refusal leaves untouched.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "base/catalogue/messages.h"
#include "pages/common/matches/event_chooser_dialog.h"
#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_commands.h"
#include "pages/common/matches/match_dialog.h"
#include "pages/common/matches/match_entry_flow.h"
#include "pages/common/matches/match_viewer.h"
#include "pages/common/players/player_page.h"
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
#include "widgets/listview/list_control.h"
#include "widgets/ranking_entry.h"

using namespace scorvane;
using namespace scorvane::testing;
using Dialog = DLG_SAISIE_RENCONTRE;

namespace {

// Queues what to do with the next match dialog.
void InNextMatchDialog(std::function<void(Dialog&)> act) {
  AnswerNextModal([act = std::move(act)](QWidget* modal) { act(*qobject_cast<Dialog*>(modal)); });
}

void Name(Dialog& dialog, Dialog::Role role, const QString& first, const QString& last) {
  ReplaceText(dialog.Page(role)->FirstName(), first);
  ReplaceText(dialog.Page(role)->LastName(), last);
}

void Ok(Dialog& dialog) {
  QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
}

}  // namespace

class MatchEntryTest : public WindowFixture {
  Q_OBJECT

 private:
  SAISON_JOUEUR* season_ = nullptr;
  EPREUVE_JOUEE* lyon_ = nullptr;
  EPREUVE_JOUEE* nice_ = nullptr;
  JOUEUR* paul_ = nullptr;

  std::vector<uint8_t> Bytes() { return Doc().Encode().bytes; }
  int RetainedCount() { return season_->Palmares()->Matches().Count(); }

 private slots:
  void init() {
    WindowFixture::init();
    Doc().AddDefaultContents();
    DocumentBuilder b(Owner());
    season_ = b.Season(2001, "15/4");
    lyon_ = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    nice_ = b.Tournament("Open de Nice", DATE_SIMPLE(10, 6, 2001));
    nice_->SetEndDate(DATE_SIMPLE(17, 6, 2001));
    paul_ = b.Player("Paul", "Martin", {{2001, "30/1"}});
    b.Singles(lyon_, paul_, true, "6/4 6/4")->SetSurface(Owner().Surfaces().Front());
    InstallMatchViewerOpener();
    Doc().SetModifiedFlag(false);
  }
  void cleanup() {
    DLG_VISU_RENCONTRES::SetMatchOpener(nullptr);
    WindowFixture::cleanup();
  }

  void SinglesInFriendlyMatchesIsStored() {
    AnswerNextModal([](QWidget* chooser) { ClickButton(chooser, "friendlyButton"); });
    InNextMatchDialog([](Dialog& dialog) {
      QCOMPARE(dialog.EventLine(0)->text(), QStringLiteral("Event: Friendly Matches"));
      QCOMPARE(dialog.EventLine(1)->text(), QStringLiteral("From 01/01/2001 to 31/12/2001"));
      Name(dialog, Dialog::kOpponent1, "Jean", "Vidal");
      dialog.Victory()->click();
      ReplaceText(dialog.Score(), "6/2 6/3");
      Ok(dialog);
    });
    RENCONTRE* added = nullptr;
    QVERIFY(NewMatchCommand(nullptr, &added));
    QVERIFY(added && added->IsSingles());
    QCOMPARE(added->GetPalmares(), season_->Palmares());
    QVERIFY(added->GetPlayedEvent()->Event()->IsFriendlyGroup());
    QVERIFY(Doc().IsModified());
    QCOMPARE(static_cast<RENCONTRE_SIMPLE*>(added)->Opponent()->DisplayName(),
             std::string("Jean Vidal"));
    QCOMPARE(added->Result().ScoreText(), std::string("6/2 6/3"));
    QVERIFY(added->Result().IsWon());
    QCOMPARE(added->GetDate(), DATE_SIMPLE(1, 1, 2001));
  }

  void DoublesWithThreeNewPlayers() {
    AnswerNextModal([](QWidget* chooser) {
      auto* list = chooser->findChild<MY_LIST_CONTROL*>("eventList");
      QCOMPARE(list->ItemText(0, 0), QStringLiteral(" Open de Lyon "));
      DoubleClickRow(*list, 1);
    });
    InNextMatchDialog([](Dialog& dialog) {
      QCOMPARE(dialog.Surface()->currentText(), QStringLiteral(""));  // Nice has no match yet
      dialog.Doubles()->click();
      QCOMPARE(dialog.Sheet()->count(), 3);
      QCOMPARE(dialog.Sheet()->tabText(2), QStringLiteral("Partner"));
      Name(dialog, Dialog::kOpponent1, "Lea", "Roux");
      Name(dialog, Dialog::kOpponent2, "Zoe", "Roux");
      Name(dialog, Dialog::kPartner, "Anne", "Blanc");
      ReplaceText(dialog.Score(), "4/6 6/7");
      Ok(dialog);
    });
    RENCONTRE* added = nullptr;
    QVERIFY(NewMatchCommand(nullptr, &added));
    QVERIFY(!added->IsSingles());
    const auto* doubles = static_cast<RENCONTRE_DOUBLE*>(added);
    QCOMPARE(doubles->Partner()->DisplayName(), std::string("Anne Blanc"));
    QCOMPARE(doubles->SecondOpponent()->DisplayName(), std::string("Zoe Roux"));
    QCOMPARE(added->GetPlayedEvent(), nice_);
    QCOMPARE(added->GetDate(), DATE_SIMPLE(10, 6, 2001));
    QCOMPARE(Owner().Players().Count(), 4);
  }

  void DoublesCascadeAsksForThePartnerFirst() {
    Dialog dialog(Owner(), *season_, MatchEventChoice::Played(lyon_));
    dialog.show();
    dialog.Doubles()->click();
    Name(dialog, Dialog::kOpponent2, "Zoe", "Roux");
    Ok(dialog);
    QCOMPARE(LastSaid(), QStringLiteral("You must define all the players of the match\n(minimum if "
                                        "the player is not anonymous: a first name, a last name or "
                                        "a license)"));
    dialog.Page(Dialog::kPartner)->Anonymous()->click();
    SetLanguage(kLanguageFrench);  // the French texts tell the cases apart
    Ok(dialog);
    SetLanguage(kLanguageEnglish);
    QVERIFY(LastSaid().startsWith(QStringLiteral("Vous devez définir l'adversaire 1 du double\n")));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Page(Dialog::kOpponent2)->LastName()->text(), QStringLiteral("Roux"));
  }

  void CancelLeavesNoTrace_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("friendly matches made on the way") << "friendlyButton";
    QTest::newRow("a new event") << "newEventButton";
    QTest::newRow("an event of the list") << "";
  }
  void CancelLeavesNoTrace() {
    QFETCH(QString, button);
    const std::vector<uint8_t> before = Bytes();
    AnswerNextModal([button](QWidget* chooser) {
      if (button.isEmpty()) {
        QTest::keyClick(chooser->findChild<MY_LIST_CONTROL*>("eventList"), Qt::Key_Return);
      } else {
        ClickButton(chooser, button);
      }
    });
    if (button == "newEventButton") {
      AnswerNextModal([](QWidget* events) {
        auto* dialog = qobject_cast<DLG_SAISIE_EPREUVE*>(events);
        dialog->NameBox()->setEditText("Tournoi de Vichy");
        ClickButton(dialog, "okButton");
      });
    }
    InNextMatchDialog([](Dialog& dialog) {
      Name(dialog, Dialog::kOpponent1, "Jean", "Vidal");
      ReplaceText(dialog.Surface()->lineEdit(), "Moquette");
      ReplaceText(dialog.Score(), "6/0");
      ClickButton(&dialog, "cancelButton");
    });
    EscapeNextModal();  // the chooser stays open after a cancelled match
    QVERIFY(!NewMatchCommand(nullptr));
    QVERIFY(Bytes() == before);
    QVERIFY(!Doc().IsModified());
  }

  void CancellingAnExistingMatchChangesNothing() {
    const std::vector<uint8_t> before = Bytes();
    InNextMatchDialog([](Dialog& dialog) {
      dialog.Doubles()->click();
      Name(dialog, Dialog::kOpponent1, "Pierre", "Dupont");
      dialog.Page(Dialog::kOpponent1)->NextRankingBox()->click();
      ReplaceText(dialog.Score(), "0/6 0/6");
      ClickButton(&dialog, "cancelButton");
    });
    QVERIFY(!EditMatchCommand(nullptr, *season_->Palmares()->Matches().Front()));
    QVERIFY(Bytes() == before);
  }

  void ARefusedOkKeepsEverythingTyped() {
    Dialog dialog(Owner(), *season_, MatchEventChoice());
    dialog.show();
    Name(dialog, Dialog::kOpponent1, "Jean", "Vidal");
    ReplaceText(dialog.Place(), "Vichy");
    ReplaceText(dialog.Score(), "6/4 6");
    Ok(dialog);
    QCOMPARE(LastSaid(), QStringLiteral("Score is badly written. Required format is x/x x/x.(you "
                                        "can put comments in brackets )\nAccepted: 6/4 7/6(5) "
                                        "or 6-4 7-6(5), comments in brackets."));
    ReplaceText(dialog.Score(), "6/4 6/1");
    Ok(dialog);
    QCOMPARE(LastSaid(), QStringLiteral("You need to associate an event to the match !"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Page(Dialog::kOpponent1)->FirstName()->text(), QStringLiteral("Jean"));
    QCOMPARE(dialog.Place()->text(), QStringLiteral("Vichy"));
    QCOMPARE(dialog.Score()->text(), QStringLiteral("6/4 6/1"));
    QCOMPARE(dialog.EventLine(0)->text(), QStringLiteral("No event for this match"));
  }

  void TheScoreIsCheckedOnLeavingIt() {
    Dialog dialog(Owner(), *season_, MatchEventChoice::Played(lyon_));
    QVERIFY(ShowActive(dialog));
    dialog.Score()->setFocus();
    QTest::keyClicks(dialog.Score(), "6/");
    QTest::keyClick(dialog.Score(), Qt::Key_Tab);
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(LastSaid().startsWith(QStringLiteral("Score is badly written.")));
  }

  void PartsFollowTheRankingSystem() {
    const struct {
      SYSTEME_CLASSEMENT* system;
      bool walkovers, options;
    } cases[] = {{&Registry().French(), false, true},
                 {&Registry().Belgian(), true, false},
                 {Registry().BuiltIns()[6], false, false}};  // ATP
    for (const auto& [system, walkovers, options] : cases) {
      Registry().SetActive(system);
      Dialog dialog(Owner(), *season_, *season_->Palmares()->Matches().Front());
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QCOMPARE(dialog.ExcusedWalkover()->isVisible(), walkovers);
      QCOMPARE(dialog.NotExcusedWalkover()->isVisible(), walkovers);
      QCOMPARE(dialog.OptionsGroup()->isVisible(), options);
      QVERIFY(!dialog.HiddenWalkover()->isVisible());
      dialog.Doubles()->click();
      QCOMPARE(dialog.Sheet()->tabText(0), QStringLiteral("Opponent 1"));
      QCOMPARE(dialog.Sheet()->tabText(1), QStringLiteral("Opponent 2"));
      dialog.Doubles()->click();
      QCOMPARE(dialog.Sheet()->count(), 1);
      QCOMPARE(dialog.Sheet()->tabText(0), QStringLiteral("Opponent"));
    }
  }

  void TheDateReachesThePlayerForms() {
    Registry().SetActive(Registry().BuiltIns()[6]);  // ATP: rankings at the match date
    paul_->History().Clear();
    paul_->History().Add(CLASSEMENT(250), DATE_SIMPLE(1, 1, 2001), "");
    paul_->History().Add(CLASSEMENT(100), DATE_SIMPLE(1, 6, 2001), "");
    Dialog dialog(Owner(), *season_, *season_->Palmares()->Matches().Front());
    PAGE_PROPRIETE_JOUEUR& page = *dialog.Page(Dialog::kOpponent1);
    QCOMPARE(page.RankingLabel()->text(), QStringLiteral("Rank"));
    QCOMPARE(page.Ranking()->Number()->text(), QStringLiteral("250"));
    dialog.Date()->setDate(QDate(2001, 6, 10));
    QCOMPARE(page.Ranking()->Number()->text(), QStringLiteral("100"));
  }

  void TheEventButtonTakesTheChosenEvent() {
    Dialog dialog(Owner(), *season_, MatchEventChoice::Played(lyon_));
    dialog.show();
    QCOMPARE(dialog.Date()->date(), QDate(2001, 5, 3));
    QCOMPARE(dialog.Surface()->currentText(), QStringLiteral("Resin"));
    AnswerNextModal([](QWidget* modal) {
      auto* events = qobject_cast<DLG_SAISIE_EPREUVE*>(modal);
      ReplaceText(events->NameBox()->lineEdit(), "open de n");
      ClickButton(events, "okButton");
    });
    QTest::mouseClick(dialog.EventButton(), Qt::LeftButton);
    QCOMPARE(dialog.EventLine(0)->text(), QStringLiteral("Event: Open de Nice"));
    QCOMPARE(dialog.EventLine(1)->text(), QStringLiteral("From 10/06/2001 to 17/06/2001"));
    QCOMPARE(dialog.Date()->date(), QDate(2001, 6, 10));  // moved into the period
  }

  void ADozenMatchesWithTheKeyboardOnly() {
    for (int n = 1; n <= 12; ++n) {
      AnswerNextModal(
          [](QWidget*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
      InNextMatchDialog([n](Dialog& dialog) {
        QWidget* focus = QApplication::focusWidget();
        QCOMPARE(focus, static_cast<QWidget*>(dialog.Date()));
        QTest::keyClicks(focus, "04");
        // The event button, the first name, the surname, the ranking.
        for (const QString& typed : {QString(), QStringLiteral("Player%1").arg(n),
                                     QStringLiteral("Keyboard"), QStringLiteral("30/1")}) {
          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
          QTest::keyClicks(QApplication::focusWidget(), typed);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.Victory()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.Score()));
        QTest::keyClicks(QApplication::focusWidget(), "6/4 6/4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      });
      QVERIFY(NewMatchCommand(nullptr));
    }
    QCOMPARE(lyon_->Matches().Count(), 13);
    const auto* last = static_cast<RENCONTRE_SIMPLE*>(lyon_->Matches().Front());
    QCOMPARE(last->Opponent()->DisplayName(), std::string("Player12 Keyboard"));
    QCOMPARE(last->GetDate(), DATE_SIMPLE(4, 5, 2001));
    QVERIFY(last->Result().IsWon());
    QCOMPARE(last->Result().ScoreText(), std::string("6/4 6/4"));
    QCOMPARE(last->RankingAtMatch(*last->Opponent()).Text(), std::string("30/1"));
    QCOMPARE(MessageBoxes::Said().size(), 0);
  }

  void TheViewerOpensTheMatchAndShowsItAgain() {
    DLG_VISU_RENCONTRES viewer("Season", season_->Palmares()->Matches());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    MY_LIST_CONTROL& list = *viewer.ListControl();
    InNextMatchDialog([](Dialog& dialog) {
      dialog.Doubles()->click();  // the record is replaced by a doubles one
      Name(dialog, Dialog::kOpponent2, "Zoe", "Roux");
      Name(dialog, Dialog::kPartner, "Anne", "Blanc");
      ReplaceText(dialog.Score(), "7/6 7/6");
      Ok(dialog);
    });
    DoubleClickRow(list, 0, 1);
    QCOMPARE(list.ItemText(0, 4), QStringLiteral("7/6 7/6"));
    QCOMPARE(list.ItemText(0, 1), QStringLiteral("Paul Martin/Zoe Roux"));
    QVERIFY(!season_->Palmares()->Matches().Front()->IsSingles());
  }
};

QTEST_MAIN(MatchEntryTest)
#include "match_entry_test.moc"

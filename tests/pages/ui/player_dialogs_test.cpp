// The player form and dialogs driven like a user would: checks when a field
// is left, the questions on similar players, the dialogs' buttons and lists.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "base/catalogue/messages.h"
#include "pages/common/matches/match_commands.h"
#include "pages/common/matches/match_dialog.h"
#include "pages/common/matches/match_viewer.h"
#include "pages/common/players/player_commands.h"
#include "pages/common/players/player_dialog.h"
#include "pages/common/players/player_page.h"
#include "pages/common/players/player_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/club_combo.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/ranking_entry.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QStringList Surnames(const MY_LIST_CONTROL& list) {
  return ColumnTexts(list, 1);
}

}  // namespace

class PlayerDialogsTest : public WindowFixture {
  Q_OBJECT

 private:
  SAISON_JOUEUR* season_ = nullptr;
  JOUEUR* paul_ = nullptr;
  RENCONTRE* first_ = nullptr;
  RENCONTRE* second_ = nullptr;

 private slots:
  void init() {
    WindowFixture::init();
    DocumentBuilder b(Owner());
    season_ = b.Season(2001, "15/4");
    EPREUVE_JOUEE* lyon = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    paul_ = b.Player("Paul", "Martin", {{2001, "30/1"}, {2002, "15/5"}});
    first_ = b.Singles(lyon, paul_, true, "6/4 6/4");
    second_ = b.Singles(lyon, paul_, false, "4/6 4/6");
    Doc().SetModifiedFlag(false);
  }
  void cleanup() {
    DLG_VISU_RENCONTRES::SetMatchOpener(nullptr);
    WindowFixture::cleanup();
  }

  void FieldsAreCheckedWhenLeft() {
    const struct {
      bool french;
      QString licence, licence_kept, year, year_kept, said;
    } cases[] = {
        {true, "12345", "", "5", "2005",
         "License must be written with 8 caracters (7 figures and 1 letter). Caracters are "
         "missing !"},
        {true, "12345A7B", "", "", "",
         "License is badly written,\nyou need 7 figures and 1 letter."},
        {false, "12345", "12345", "1850", "", "Year of birth must be written 19XX"},
    };
    for (const auto& [french, licence, licence_kept, year, year_kept, said] : cases) {
      MessageBoxes::Said().clear();
      if (!french) Registry().SetActive(&Registry().Belgian());
      PAGE_PROPRIETE_JOUEUR page(Owner());
      page.SetPlayer(PlayerSlot::New(Owner()), 2001, Today());
      QVERIFY(ShowActive(page));
      TypeAndLeave(page.Licence(), licence);
      TypeAndLeave(page.BirthYear(), year);
      QCOMPARE(page.Licence()->text(), licence_kept);
      QCOMPARE(page.BirthYear()->text(), year_kept);
      QCOMPARE(MessageBoxes::Said().join("|"), said);
    }
  }

  void TheSecondRankingFollowsTheFirstUntilTicked() {
    PAGE_PROPRIETE_JOUEUR page(Owner());
    page.SetPlayer(PlayerSlot::Of(paul_), 2001, Today());
    QCOMPARE(page.RankingLabel()->text(), QStringLiteral("Rank 2001"));
    QCOMPARE(page.NextRankingBox()->text(), QStringLiteral("Rank 2002"));
    QVERIFY(page.NextRankingBox()->isChecked());  // Paul has a 2002 ranking
    QCOMPARE(page.NextRanking()->Grades()->currentText(), QStringLiteral("15/5"));
    page.NextRankingBox()->click();
    QVERIFY(!page.NextRanking()->isEnabled());
    page.Ranking()->Grades()->setCurrentIndex(page.Ranking()->Grades()->findText("30"));
    QCOMPARE(page.NextRanking()->Grades()->currentText(), QStringLiteral("30"));
  }

  // Both answers have their rule tests; here the dialogs are driven once each.
  void SimilarPlayerQuestionLookedAtThenTheSame() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SAISIE_JOUEUR*>(modal);
      ReplaceText(dialog->Page()->FirstName(), "paul");
      ReplaceText(dialog->Page()->LastName(), "MARTIN");
      ClickButton(dialog, "okButton");
    });
    AnswerNextModal([](QWidget* modal) {
      QCOMPARE(modal->findChild<QLabel*>("similarText")->text(),
               QStringLiteral("A similar player, Paul Martin, already exists.\nIs it the same "
                              "player ?"));
      ClickButton(modal, "showButton");
    });
    ClickInNextModal("cancelButton");
    ClickInNextModal("sameButton");
    QCOMPARE(NewPlayerDialog(nullptr), paul_);
    QCOMPARE(Owner().Players().Count(), 1);
  }

  void ChangedIdentityMakesANewPlayer() {
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SAISIE_RENCONTRE*>(modal);
      ReplaceText(dialog->Page(DLG_SAISIE_RENCONTRE::kOpponent1)->FirstName(), "Pierre");
      ClickButton(dialog, "okButton");
    });
    ClickInNextModal("newPlayerButton");
    QVERIFY(EditMatchCommand(nullptr, *first_));
    const JOUEUR* now = static_cast<RENCONTRE_SIMPLE*>(first_)->Opponent();
    QCOMPARE(now->DisplayName(), std::string("Pierre Martin"));
    QVERIFY(now != paul_);
    // The other match keeps Paul.
    QCOMPARE(static_cast<RENCONTRE_SIMPLE*>(second_)->Opponent(), paul_);
    QCOMPARE(paul_->GetRawFirstName(), std::string("Paul"));
  }

  void PlayerDialogShowsTheRecordAndKeepsTheContact() {
    DLG_SAISIE_JOUEUR dialog(Owner(), PlayerSlot::Of(paul_), 2001, Today());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Player"));
    QCOMPARE(dialog.MatchCountLine()->text(),
             QStringLiteral("2 matches were played with this player"));
    QCOMPARE(dialog.BestRankingLine()->text(), QStringLiteral("Best rank reached: 15/5 (2002)"));
    QVERIFY(!dialog.ContactFields()[0]->isEnabled());
    dialog.ContactBox()->click();
    QVERIFY(dialog.ContactFields()[0]->isEnabled());
    ReplaceText(dialog.ContactFields()[2], "04 78 00 00 00");
    QCOMPARE(dialog.Values().contact->home_phone, std::string("04 78 00 00 00"));

    AnswerNextModal([](QWidget* viewer) {
      QCOMPARE(viewer->findChild<QLabel*>("viewerTitle")->text(),
               QStringLiteral("Matches played with Paul Martin"));
      QCOMPARE(qobject_cast<DLG_VISU_RENCONTRES*>(viewer)->ListControl()->RowCount(), 2);
      ClickButton(viewer, "okButton");
    });
    QTest::mouseClick(dialog.MatchesButton(), Qt::LeftButton);
    AnswerNextModal([](QWidget* chart) {
      QCOMPARE(chart->windowTitle(), QStringLiteral("Paul Martin evolution"));
      QTest::keyClick(chart, Qt::Key_Escape);
    });
    QTest::mouseClick(dialog.EvolutionButton(), Qt::LeftButton);

    ReplaceText(dialog.Page()->FirstName(), "");
    ReplaceText(dialog.Page()->LastName(), "");
    ClickButton(&dialog, "okButton");
    QCOMPARE(MessageBoxes::Said().back(),
             QStringLiteral("Sorry: if the player is not anonymous, you must enter a first name, a "
                            "last name or a license."));
    dialog.Page()->Anonymous()->click();
    ClickButton(&dialog, "okButton");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void SelectionFiltersSortsAndSearches() {
    DocumentBuilder b(Owner());
    CLUB* lyon = Owner().AddClub(std::make_unique<CLUB>("TC Lyon"));
    Owner().SetClub(lyon);
    b.Player("Anne", "Durand")->SetClub(lyon);
    b.Player("Marc", "Dupont");
    b.Player("", "")->SetAnonymous(true);
    paul_->SetContact(std::make_unique<INFOS_COMPLEMENT_JOUEUR>());
    DLG_SELECTION_JOUEUR dialog(Owner());
    dialog.show();
    MY_LIST_CONTROL& list = *dialog.List();
    QCOMPARE(Surnames(list), QStringList({"Dupont", "Durand", "Martin"}));
    ClickHeading(list, 1);
    QCOMPARE(Surnames(list), QStringList({"Martin", "Durand", "Dupont"}));
    QVERIFY(!dialog.Ascending()->isChecked());
    dialog.ByFirstNames()->click();
    QCOMPARE(Surnames(list), QStringList({"Martin", "Dupont", "Durand"}));  // Paul, Marc, Anne
    dialog.ContactsOnly()->click();
    QCOMPARE(Surnames(list), QStringList({"Martin"}));
    dialog.ContactsOnly()->click();
    dialog.MyClubOnly()->click();
    QCOMPARE(Surnames(list), QStringList({"Durand"}));
    dialog.MyClubOnly()->click();

    QTest::keyClicks(dialog.SearchText(), "du");  // in the surnames
    QCOMPARE(dialog.SelectionLabel()->text(), QStringLiteral("Marc Dupont"));
    QTest::keyClick(dialog.SearchText(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Selected()->GetRawLastName(), std::string("Dupont"));
  }

  void ATypedClubBecomesAClubWhenSaved() {
    Owner().AddClub(std::make_unique<CLUB>("TC Lyon"));
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SAISIE_JOUEUR*>(modal);
      QCOMPARE(dialog->Page()->Club()->count(), 2);  // no club, TC Lyon
      ReplaceText(dialog->Page()->Club()->lineEdit(), "AS Nouveau");
      ClickButton(dialog, "okButton");
    });
    QVERIFY(EditPlayerDialog(nullptr, *paul_));
    QCOMPARE(paul_->Club()->Name(), std::string("AS Nouveau"));
    QCOMPARE(Owner().Clubs().Count(), 2);
  }
};

QTEST_MAIN(PlayerDialogsTest)
#include "player_dialogs_test.moc"

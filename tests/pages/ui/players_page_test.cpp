// The players page driven as a user would: filters, search, sorting,
// deletion, menus, columns kept between runs and printing.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "pages/players/players_page.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/app_images.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/print/page_printer.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

class PlayersPageTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<PAGE_JOUEURS> page_;
  JOUEUR* martin_ = nullptr;
  JOUEUR* dubois_ = nullptr;
  JOUEUR* durand_ = nullptr;

  MY_LIST_CONTROL& List() { return page_->List(); }

  void MakePage() { page_ = ShownPage<PAGE_JOUEURS>({1000, 500}); }
  QStringList Surnames() { return ColumnTexts(List(), 3); }
  void Trigger(const QString& text) {
    const std::unique_ptr<QMenu> menu = page_->MakeContextMenu();
    QAction* action = FindAction(*menu, text);
    QVERIFY2(action != nullptr, qPrintable(text));
    action->trigger();
  }
  // Ticks the boxes in the columns dialog, then OK.
  void ShowColumns(const QStringList& boxes) {
    AnswerNextModal([boxes](QWidget* dialog) {
      for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
        if (boxes.contains(box->text())) box->setChecked(true);
      }
      ClickButton(dialog, QStringLiteral("okButton"));
    });
    page_->ChooseColumns();
  }

 private slots:
  void init() {
    WindowFixture::init();
    Owner().SetFirstName("Julien");
    Owner().SetLastName("Morel");
    DocumentBuilder b(Owner());
    b.Season(2000, "30/2");
    b.Singles(b.Tournament("Old Cup", DATE_SIMPLE(3, 5, 2000)), b.Player("Luc", "Duval"), true,
              "6/2 6/2");
    b.Season(2001, "30/1");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    martin_ = b.Player("Paul", "Martin", {{2001, "30/1"}, {2002, "15/5"}});
    martin_->SetContact(std::make_unique<INFOS_COMPLEMENT_JOUEUR>());
    dubois_ = b.Player("Anne", "Dubois", {{2001, "15/4"}});
    dubois_->SetSex(JOUEUR::kWoman);
    durand_ = b.Player("Marc", "Durand", {{2001, "30/5"}});
    CLUB* lyon = Owner().AddClub(std::make_unique<CLUB>("TC Lyon"));
    Owner().AddClub(std::make_unique<CLUB>("Racing"));
    dubois_->SetClub(lyon);
    durand_->SetClub(lyon);
    JOUEUR* ghost = b.Player("Secret", "Agent");
    ghost->SetAnonymous(true);
    b.Singles(open, martin_, true, "6/4 6/4");
    b.Singles(open, dubois_, false, "4/6 4/6");
    b.Singles(open, ghost, true, "6/0 6/0");
    MakePage();
  }
  void cleanup() {
    page_.reset();
    WindowFixture::cleanup();
  }

  // The filter rules have their own tests; here, that each box reaches them.
  void FutureRankIsShownUnderEverySystem() {
    SYSTEME_CLASSEMENT* before = &ActiveSystem();
    Registry().SetActive(&Registry().Belgian());
    page_->Refresh();
    Registry().SetActive(before);
    QVERIFY(!List().isColumnHidden(9));
    QCOMPARE(List().model()->headerData(9, Qt::Horizontal).toString(),
             QStringLiteral("Future rank"));
  }

  void FiltersNarrowTheList() {
    QVERIFY(!page_->ClubList()->isEnabled());
    QTest::mouseClick(page_->ContactsBox(), Qt::LeftButton);
    QCOMPARE(Surnames(), QStringList{"Martin"});
    QTest::mouseClick(page_->ContactsBox(), Qt::LeftButton);
    QTest::mouseClick(page_->ActiveSeasonBox(), Qt::LeftButton);
    QTest::mouseClick(page_->ClubBox(), Qt::LeftButton);
    QCOMPARE(page_->ClubList()->count(), 3);  // no club, then the clubs by name
    page_->ClubList()->setCurrentIndex(page_->ClubList()->findText("TC Lyon"));
    QCOMPARE(Surnames(), QStringList{"Dubois"});
    QCOMPARE(page_->TitleText(), QStringLiteral("Players  ( 1 / 4 )"));
  }

  // The sex and the French grades are pictures; a grade's text gives way to its picture.
  void ShowsTheSexAndTheFrenchGradesAsPictures() {
    QCOMPARE(Surnames(), (QStringList{"Dubois", "Durand", "Duval", "Martin"}));
    const auto picture = [this](int row, int column) {
      return List().CellLookAt(row, column).image.cacheKey();
    };
    const auto listed = [](int index) { return AppImages::List().at(index).cacheKey(); };
    QCOMPARE(picture(0, 1), listed(AppImages::IconIndex(AppIcon::kWoman)));
    QCOMPARE(picture(3, 1), listed(AppImages::IconIndex(AppIcon::kMan)));
    QCOMPARE(picture(0, 8), listed(AppImages::GradeIndex(DocumentBuilder::Rank("15/4"))));
    QCOMPARE(List().ItemText(0, 8), QString());
    QCOMPARE(picture(3, 9), listed(AppImages::GradeIndex(DocumentBuilder::Rank("15/5"))));
  }

  void ClubChosenStaysWhileItExists() {
    QTest::mouseClick(page_->ClubBox(), Qt::LeftButton);
    page_->ClubList()->setCurrentIndex(page_->ClubList()->findText("TC Lyon"));
    QCOMPARE(Surnames(), (QStringList{"Dubois", "Durand"}));
    Owner().AddClub(std::make_unique<CLUB>("Aaa"));
    page_->Refresh();
    QCOMPARE(page_->ClubList()->currentText(), QStringLiteral("TC Lyon"));
    Owner().RemoveClub(dubois_->Club());
    page_->Refresh();
    QCOMPARE(page_->ClubList()->currentText(), QString());
    QCOMPARE(Surnames().size(), 4);
  }

  // Matching (case, accents) has its own tests; here the search follows the
  // order shown and says when nothing matches, leaving the selection.
  void QuickSearchGoesToTheFirstMatchInTheOrderShown() {
    ClickHeading(List(), 3);
    QCOMPARE(Surnames(), (QStringList{"Martin", "Duval", "Durand", "Dubois"}));
    page_->SearchColumn()->setCurrentIndex(1);
    QTest::keyClicks(page_->SearchText(), "du");
    QCOMPARE(List().SelectedRows(), std::vector<int>{1});
    QVERIFY(page_->SearchNotFound()->isHidden());
    // Typed on: nothing matches, and Duval stays selected.
    QTest::keyClicks(page_->SearchText(), "xyz");
    QCOMPARE(List().SelectedRows(), std::vector<int>{1});
    QCOMPARE(page_->SearchNotFound()->text(), QStringLiteral("not found"));
    QVERIFY(!page_->SearchNotFound()->isHidden());
    QVERIFY(!page_->SearchText()->styleSheet().isEmpty());
    // Pasted over the text, one outside the code page finds nothing either.
    SelectRows(List(), {2});
    page_->SearchText()->selectAll();
    page_->SearchText()->insert(QString::fromUtf8("日本"));
    QCOMPARE(List().SelectedRows(), std::vector<int>{2});
  }

  // The grade order has its own tests; here a number system through the menu.
  void SortsByRankingUnderANumberSystem() {
    const QStringList grades{"12", "900", "", "150"};  // players A, B, C, D
    QStringList ascending{"C", "B", "D", "A"};
    page_.reset();
    PROJECT_DOC numbers;
    SetCurrentDocument(&numbers);
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    DocumentBuilder b(numbers.Owner());
    b.Season(2001);
    for (int i = 0; i < grades.size(); ++i) {
      std::vector<std::pair<int, std::string>> rankings;
      if (!grades[i].isEmpty()) rankings.push_back({2001, grades[i].toStdString()});
      b.Player("", std::string(1, static_cast<char>('A' + i)), rankings);
    }
    MakePage();
    Trigger(QStringLiteral("By ranking"));
    QCOMPARE(Surnames(), ascending);
    QCOMPARE(List().ItemText(0, 8), QString());
    Trigger(QStringLiteral("In descending order"));
    std::reverse(ascending.begin(), ascending.end());
    QCOMPARE(Surnames(), ascending);
    QCOMPARE(page_->Columns().PrimaryColumn(), 8);
    page_.reset();
    SetCurrentDocument(&Doc());
  }

  void DeletingASelectionKeepsThePlayersOfMatches() {
    ScriptedPrompt prompt;
    // Martin played, Durand never: only Durand goes, without a question.
    SelectRows(List(), {1, 3});
    QTest::keyClick(&List(), Qt::Key_Delete);
    QCOMPARE(MessageBoxes::Said(),
             QStringList{"Cannot destroy player Paul Martin, he is implicated in matches!"});
    QVERIFY(prompt.asked.empty());
    QCOMPARE(Surnames(), (QStringList{"Dubois", "Duval", "Martin"}));
    // A player without matches alone is asked about; No keeps him.
    DocumentBuilder(Owner()).Player("Jean", "Zorn");
    page_->Refresh();
    prompt.Script({ScriptedPrompt::Answer::kNo});
    SelectRows(List(), {3});
    Trigger(QStringLiteral("Delete the player"));
    QCOMPARE(prompt.asked, std::vector<std::string>{"Player Jean Zorn is not implicated in any "
                                                    "match, do we destroy him permanently ?"});
    QCOMPARE(Surnames().size(), 4);
  }

  void ContextMenuFollowsTheSelection() {
    const QStringList common{"New player", "Columns shown", "Sort the players"};
    QCOMPARE(MenuTexts(*page_->MakeContextMenu()), common);
    SelectRows(List(), {0, 1});
    QCOMPARE(MenuTexts(*page_->MakeContextMenu()),
             QStringList{"Delete the selected players"} + common);
    SelectRows(List(), {3});
    QCOMPARE(MenuTexts(*page_->MakeContextMenu()),
             (QStringList{"Edit", "Delete the player", "Player's evolution"} + common));
    QString title;
    AnswerNextModal([&title](QWidget* dialog) {
      title = dialog->windowTitle();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Trigger(QStringLiteral("Player's evolution"));
    QVERIFY2(title.contains(QStringLiteral("Paul Martin")), qPrintable(title));
  }

  void ColumnsAndSortAreKeptBetweenRuns() {
    ShowColumns({"Matches won against the player", "Year of birth"});
    page_->SortOn(6);
    page_->SetSortDirection(false);
    List().setColumnWidth(6, 177);
    page_.reset();
    QCOMPARE(settings::User().value("Colonnes joueurs/col 6").toString(),
             QStringLiteral("taille= 177, affichée= 1, ordre= 0, ordre_inverse= 1"));
    MakePage();
    QCOMPARE(page_->Columns().PrimaryColumn(), 6);
    QVERIFY(page_->Columns().Column(6).reverse);
    QCOMPARE(List().columnWidth(6), 177);
    QVERIFY(!List().isColumnHidden(17));
    QVERIFY(!List().isColumnHidden(4));
    QVERIFY(List().isColumnHidden(18));
    // Club descending: no club last in ascending order, so first here.
    QCOMPARE(Surnames().first(), QStringLiteral("Duval"));
  }

  void PrintsTheListAsShown() {
    QCOMPARE(page_->PrintTitle(), QStringLiteral("Julien Morel - Players"));
    QVERIFY(ExportPdf(*page_->PrintContent(), Path("players.pdf")));
    QVERIFY(QFileInfo(Path("players.pdf")).size() > 1000);
  }
};

QTEST_MAIN(PlayersPageTest)
#include "players_page_test.moc"

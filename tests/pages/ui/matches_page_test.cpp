// The matches page driven as a user would: its lines, grouping, menus, sorting,
// deletion, columns, settings kept between runs and printing.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_dialog.h"
#include "pages/common/players/player_page.h"
#include "pages/matches/matches_page.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
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

namespace {

// Names the opponent, gives the score of a won match and confirms the next
// match dialog.
void EnterInNextMatchDialog(const QString& surname, const QString& score) {
  AnswerNextModal([surname, score](QWidget* modal) {
    auto& dialog = *qobject_cast<DLG_SAISIE_RENCONTRE*>(modal);
    ReplaceText(dialog.Page(DLG_SAISIE_RENCONTRE::kOpponent1)->LastName(), surname);
    dialog.Victory()->click();
    ReplaceText(dialog.Score(), score);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
  });
}

}  // namespace

class MatchesPageTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<PAGE_PALMARES> page_;
  EPREUVE_JOUEE* open_ = nullptr;
  EPREUVE_JOUEE* empty_ = nullptr;

  MY_LIST_CONTROL& List() { return page_->List(); }

  void MakePage() { page_ = ShownPage<PAGE_PALMARES>({900, 500}); }
  QStringList FirstColumn() { return ColumnTexts(List(), 0); }
  qint64 ImageKey(int row, int column) { return List().CellLookAt(row, column).image.cacheKey(); }
  static qint64 Picture(int index) { return AppImages::List().at(index).cacheKey(); }

 private slots:
  void init() {
    WindowFixture::init();
    Owner().SetFirstName("Julien");
    Owner().SetLastName("Morel");
    DocumentBuilder b(Owner());
    b.Season(2001, "30/1");
    empty_ = b.Tournament("Empty Cup", DATE_SIMPLE(1, 6, 2001));
    open_ = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    JOUEUR* anne = b.Player("Anne", "Roux", {{2001, "15/5"}, {2002, "15/4"}});
    anne->SetSex(JOUEUR::kWoman);
    b.Singles(open_, anne, true, "6/4 6/4");
    b.Singles(open_, b.Player("Luc", "Petit", {{2001, "30/2"}}), false, "2/6 1/6");
    b.Doubles(open_, b.Player("Ann", "Lee"), b.Player("Paul", "Martin", {{2001, "15/1"}}),
              b.Player("Marc", "Blanc", {{2001, "30"}}), true, "6/3 6/3");
    MakePage();
  }
  void cleanup() {
    page_.reset();
    WindowFixture::cleanup();
  }

  void ShowsTheSeasonsMatchesWithTheirPictures() {
    QCOMPARE(page_->TitleText(), QStringLiteral("Season 2001 matches   ( 3 matches )"));
    // The texts of each cell are the rules' (and the command line's).
    QCOMPARE(List().ItemText(2, 6), QStringLiteral("Paul / Marc"));
    QCOMPARE(ImageKey(0, 1), Picture(AppImages::IconIndex(AppIcon::kWon)));
    QCOMPARE(ImageKey(1, 1), Picture(AppImages::IconIndex(AppIcon::kLost)));
    QCOMPARE(ImageKey(0, 5), Picture(AppImages::IconIndex(AppIcon::kWoman)));
    // The French grade's picture before the singles opponent's ranking only.
    QCOMPARE(ImageKey(0, 11), Picture(AppImages::GradeIndex(DocumentBuilder::Rank("15/5"))));
    QCOMPARE(ImageKey(2, 11), QPixmap().cacheKey());
  }

  void GroupingShowsEveryEventEvenEmpty() {
    QTest::mouseClick(page_->findChild<QCheckBox*>("byEventsBox"), Qt::LeftButton);
    QVERIFY(page_->GroupsByEvents());
    QCOMPARE(FirstColumn(), (QStringList{" Open ", "1", "2", "3", " Empty Cup "}));
    QCOMPARE(List().Model().GroupStarts(), (std::vector<int>{0, 4}));
    QCOMPARE(page_->EventAt(4), empty_);
    QCOMPARE(page_->MatchAt(4), nullptr);
    // The heading runs across the row in the larger font.
    QCOMPARE(List().CellLookAt(0, 6).text, QStringLiteral(" Open "));
    QCOMPARE(List().CellLookAt(0, 6).font.pixelSize(), 20);
    QTest::mouseClick(page_->findChild<QCheckBox*>("byEventsBox"), Qt::LeftButton);
    QCOMPARE(FirstColumn(), (QStringList{"1", "2", "3"}));
    QVERIFY(List().Model().GroupStarts().empty());
  }

  void AHiddenPageFillsAgainWhenShown() {
    page_->hide();
    DocumentBuilder(Owner()).Singles(open_, nullptr, true, "6/0");
    page_->Refresh();
    QCOMPARE(List().RowCount(), 3);
    page_->show();
    QCOMPARE(List().RowCount(), 4);
  }

  void ContextMenusFollowTheSelection() {
    page_->SetGroupsByEvents(true);
    const struct {
      std::initializer_list<int> rows;
      QStringList entries;
    } cases[] = {
        {{}, {"Columns shown", "Sort the matches", "New match", "New event"}},
        {{1}, {"Edit the match", "Delete the match"}},
        {{1, 2}, {"Delete the selected matches"}},
        {{0, 2}, {"Delete the selected matches"}},
        {{4}, {"Add a match to the event", "Edit the event", "Delete the event"}},
    };
    for (const auto& c : cases) {
      SelectRows(List(), c.rows);
      QCOMPARE(MenuTexts(*page_->MakeContextMenu()), c.entries);
    }
  }

  void SortCommandsOrderTheLinesWithinTheirGroups() {
    SelectRows(List(), {});
    FindAction(*page_->MakeContextMenu(), "By ranking")->trigger();
    // Weakest first (30/2, 15/5, then the pair 15/1 and 30), numbered as shown.
    QCOMPARE(FirstColumn(), (QStringList{"1", "2", "3"}));
    QCOMPARE(List().ItemText(0, 7), QStringLiteral("Petit"));
    FindAction(*page_->MakeContextMenu(), "In descending order")->trigger();
    QCOMPARE(List().ItemText(0, 7), QStringLiteral("Martin / Blanc"));
    // A heading click sorts on its column in the same direction; grouped,
    // the event lines stay where they are.
    page_->SetGroupsByEvents(true);
    List().horizontalHeader()->sectionClicked(7);
    QCOMPARE(FirstColumn(), (QStringList{" Open ", "1", "2", "3", " Empty Cup "}));
    QCOMPARE(List().ItemText(1, 7), QStringLiteral("Roux"));
  }

  // Selected with a match, an event line is unselected before the question.
  void DeleteKeyAsksAndDeletes_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("No keeps every line")
        << QList<int>{1, 0} << false << "Attention !!! Destroy the selected match permanently ?"
        << QStringList{" Open ", "1", "2", "3", " Empty Cup "};
    QTest::newRow("one match") << QList<int>{2} << true
                               << "Attention !!! Destroy the selected match permanently ?"
                               << QStringList{" Open ", "1", "2", " Empty Cup "};
    QTest::newRow("several matches")
        << QList<int>{1, 3} << true
        << "Attention !!! Destroy the selected matches permanently (2 matches) ?"
        << QStringList{" Open ", "1", " Empty Cup "};
    QTest::newRow("an empty event")
        << QList<int>{4} << true << "The selected event, <Empty Cup>, is empty\nDestroy it ?"
        << QStringList{" Open ", "1", "2", "3"};
    QTest::newRow("an event with matches, two events selected")
        << QList<int>{0, 4} << true
        << "Attention!! The event <Open> contains 3 matches\nDo you really want to destroy the "
           "event AND its matches permanently ?"
        << QStringList{" Empty Cup "};
  }
  void DeleteKeyAsksAndDeletes() {
    QFETCH(QList<int>, rows);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QStringList, left);
    page_->SetGroupsByEvents(true);
    SelectRows(List(), {});
    for (const int row : rows)
      List().SelectItem(row);
    ScriptedPrompt prompt;
    prompt.Script({yes ? ScriptedPrompt::Answer::kYes : ScriptedPrompt::Answer::kNo});
    // Players left without a match are kept.
    prompt.SetFallback(ScriptedPrompt::Answer::kNo);
    QTest::keyClick(&List(), Qt::Key_Delete);
    QCOMPARE(QString::fromStdString(prompt.asked.front()), question);
    QCOMPARE(FirstColumn(), left);
    if (!yes) QCOMPARE(prompt.asked.size(), size_t{1});
    if (!yes) QCOMPARE(List().SelectedRows(), std::vector<int>{1});
  }

  void TheColumnsDialogShowsAndHidesColumns() {
    AnswerNextModal([](QWidget* modal) {
      QVERIFY(!modal->findChild<QCheckBox*>("column12Box")->isHidden());
      modal->findChild<QCheckBox*>("column3Box")->setChecked(false);
      modal->findChild<QCheckBox*>("column10Box")->setChecked(true);
      ClickButton(modal, "okButton");
    });
    ClickButton(page_.get(), "columnsButton");
    QVERIFY(List().isColumnHidden(3));
    QVERIFY(!List().isColumnHidden(10));
    QVERIFY(!page_->Columns().Column(3).shown);
    QCOMPARE(List().ItemText(1, 10), QString());
    // Cancel changes nothing.
    EscapeNextModal();
    ClickButton(page_.get(), "columnsButton");
    QVERIFY(List().isColumnHidden(3));
  }

  void UnderTheBelgianSystemFutureRanksAreEmptyAndTheirBoxHidden() {
    Registry().SetActive(&Registry().Belgian());
    page_->Refresh();
    QCOMPARE(List().ItemText(0, 12), QString());
    QVERIFY(!List().isColumnHidden(12));
    QCOMPARE(ImageKey(0, 11), QPixmap().cacheKey());
    AnswerNextModal([](QWidget* modal) {
      QVERIFY(modal->findChild<QCheckBox*>("column12Box")->isHidden());
      ClickButton(modal, "okButton");
    });
    ClickButton(page_.get(), "columnsButton");
  }

  void SettingsAreWrittenWhenThePageGoesAndReadWhenItComes() {
    page_->SetGroupsByEvents(true);
    page_->SortOn(2);
    page_->SetSortDirection(false);
    List().setColumnWidth(6, 111);
    List().horizontalHeader()->moveSection(7, 0);
    const int date_width = List().columnWidth(2);
    page_.reset();
    QSettings store = settings::User();
    store.beginGroup(QStringLiteral("Colonnes palmarès"));
    QCOMPARE(store.value("col 2").toString(),
             QStringLiteral("taille= %1, affichée= 1, ordre= 0, ordre_inverse= 1").arg(date_width));
    QCOMPARE(store.value("col 6").toString(),
             QStringLiteral("taille= 111, affichée= 1, ordre= -1, ordre_inverse= 0"));
    QCOMPARE(store.value("Colonnes affichées").toString(),
             QStringLiteral("7,0,1,2,3,4,5,6,8,9,10,11,12,13,14,15,16,17"));
    QCOMPARE(store.value("Vue par épreuves").toString(), QStringLiteral("oui"));
    store.endGroup();

    MakePage();
    QVERIFY(page_->GroupsByEvents());
    QCOMPARE(page_->Columns().PrimaryColumn(), 2);
    QVERIFY(page_->Columns().Column(2).reverse);
    QCOMPARE(List().columnWidth(6), 111);
    QCOMPARE(List().ShownColumnsInOrder().front(), 7);
  }

  void ANewMatchIsSelectedInView() {
    // A low page: the new last line is below what shows until scrolled to.
    page_->resize(900, 170);
    AnswerNextModal([](QWidget* chooser) { ClickButton(chooser, "friendlyButton"); });
    EnterInNextMatchDialog("Vidal", "6/2 6/3");
    ClickButton(page_.get(), "newMatchButton");
    QCOMPARE(List().SelectedRows(), std::vector<int>{3});
    QCOMPARE(List().ItemText(3, 7), QStringLiteral("Vidal"));
    QCOMPARE(List().ItemText(3, 13), QStringLiteral("6/2 6/3"));
    QVERIFY(List().viewport()->rect().contains(List().visualRect(List().model()->index(3, 7))));
  }

  void ADoubleClickEditsTheLine() {
    EnterInNextMatchDialog("Petitjean", "7/5 6/4");
    DoubleClickRow(List(), 1, 7);
    QCOMPARE(List().ItemText(1, 7), QStringLiteral("Petitjean"));
    QCOMPARE(List().ItemText(1, 13), QStringLiteral("7/5 6/4"));
  }

  void AMatchAddedToAnEventGoesStraightIntoIt() {
    page_->SetGroupsByEvents(true);
    SelectRows(List(), {4});
    EnterInNextMatchDialog("Vert", "6/0 6/0");
    FindAction(*page_->MakeContextMenu(), "Add a match to the event")->trigger();
    QCOMPARE(FirstColumn(), (QStringList{" Open ", "1", "2", "3", " Empty Cup ", "4"}));
    QCOMPARE(List().SelectedRows(), std::vector<int>{5});
  }

  void ANewEventGroupsTheLinesAndTheTipComesOncePerRun() {
    for (const char* name : {"Open de Paris", "Masters"}) {
      AnswerNextModal([name](QWidget* modal) {
        qobject_cast<DLG_SAISIE_EPREUVE*>(modal)->NameBox()->setEditText(name);
        ClickButton(modal, "okButton");
      });
      ClickButton(page_.get(), "newEventButton");
    }
    QVERIFY(page_->GroupsByEvents());
    QCOMPARE(FirstColumn(),
             (QStringList{" Masters ", " Open de Paris ", " Open ", "1", "2", "3", " Empty Cup "}));
    QCOMPARE(
        MessageBoxes::Said(),
        QStringList{"Tip: To add matches to an event,\n right click on its line into the list"});
  }

  void PrintsTheListAsShownWithTheOwnersName() {
    QCOMPARE(page_->PrintTitle(), QStringLiteral("Julien Morel - Matches 2001"));
    const QString path = Path("matches.pdf");
    QVERIFY(ExportPdf(*page_->PrintContent(), path));
    QVERIFY(QFileInfo(path).size() > 1000);
    QSignalSpy asked(page_.get(), &PageView::PrintRequested);
    ClickButton(page_.get(), "printButton");
    QCOMPARE(asked.count(), 1);
  }
};

QTEST_MAIN(MatchesPageTest)
#include "matches_page_test.moc"

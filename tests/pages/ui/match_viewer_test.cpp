// The match viewer on real matches: its total line, its columns, the
// heading clicks that sort (and the score heading that does not), and the
// double click that goes through the match-opening hook.
#include <QHeaderView>
#include <QLabel>
#include <QTest>

#include "base/catalogue/messages.h"
#include "pages/seasons/match_viewer.h"
#include "records/document.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/listview/list_control.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

void ClickHeading(MY_LIST_CONTROL& list, int column) {
  QHeaderView* header = list.horizontalHeader();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// The opponents column, top to bottom.
QStringList Opponents(const MY_LIST_CONTROL& list) {
  QStringList names;
  for (int row = 0; row < list.RowCount(); ++row)
    names << list.ItemText(row, 1);
  return names;
}

}  // namespace

class MatchViewerTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;
  List<RENCONTRE*> matches_;

  // Three matches of 2001: won against Blanc on 10 March (given first),
  // lost to Adam on 5 May, lost to Carré on 2 February.
  void ThreeMatches() {
    DocumentBuilder builder(doc_->Owner());
    builder.Season(2001, "30/1");
    EPREUVE_JOUEE* open = builder.Tournament("Open", DATE_SIMPLE(1, 2, 2001));
    const struct {
      const char* last;
      bool won;
      DATE_SIMPLE date;
      const char* score;
    } played[] = {{"Blanc", true, DATE_SIMPLE(10, 3, 2001), "6/1 6/1"},
                  {"Adam", false, DATE_SIMPLE(5, 5, 2001), "1/6 1/6"},
                  {"Carré", false, DATE_SIMPLE(2, 2, 2001), "2/6 2/6"}};
    for (const auto& match : played) {
      RENCONTRE_SIMPLE* added =
          builder.Singles(open, builder.Player("Jo", match.last), match.won, match.score);
      added->SetDate(match.date);
      matches_.Append(added);
    }
  }

 private slots:
  void init() {
    env_ = std::make_unique<WidgetEnvironment>();
    doc_ = std::make_unique<PROJECT_DOC>();
    SetCurrentDocument(doc_.get());
    matches_.RemoveAll();
  }
  void cleanup() {
    DLG_VISU_RENCONTRES::SetMatchOpener(nullptr);
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
  }

  void ShowsTheTitleTheTotalAndTheColumns() {
    ThreeMatches();
    DLG_VISU_RENCONTRES viewer("Matches played with Jo", matches_);
    viewer.show();
    QCOMPARE(viewer.findChild<QLabel*>("viewerTitle")->text(),
             QStringLiteral("Matches played with Jo"));
    QCOMPARE(viewer.TotalText(),
             QStringLiteral("Total : 3 matches  ( 1 match won, 2 matches lost )"));
    MY_LIST_CONTROL& list = *viewer.ListControl();
    const int widths[] = {25, 135, 58, 66, 68, 100, 82};
    const int titles[] = {547, 548, 277, 305, 296, 298, 301};
    QCOMPARE(list.ColumnCount(), 7);
    for (int column = 0; column < 7; ++column) {
      // At least the width given, more when the texts need it.
      QVERIFY(list.columnWidth(column) >= widths[column]);
      QCOMPARE(list.Model().headerData(column, Qt::Horizontal).toString(),
               QString::fromUtf8(Msg(titles[column])));
    }
    QCOMPARE(list.RowCount(), 3);
    // Dates are never cut.
    QVERIFY(list.fontMetrics().horizontalAdvance(list.ItemText(0, 3)) < list.columnWidth(3));
    // First sorted by date, earliest first.
    QCOMPARE(Opponents(list), QStringList({"Jo Carré", "Jo Blanc", "Jo Adam"}));
    QCOMPARE(list.ItemText(1, 0), QStringLiteral("W"));
    QCOMPARE(list.ItemText(1, 4), QStringLiteral("6/1 6/1"));
    QCOMPARE(list.ItemText(1, 5), QStringLiteral("Open"));
  }

  void OneWonMatchTakesEverySingular() {
    DocumentBuilder builder(doc_->Owner());
    builder.Season(2001);
    EPREUVE_JOUEE* open = builder.Tournament("Open", DATE_SIMPLE(1, 2, 2001));
    matches_.Add(builder.Singles(open, nullptr, true, "6/0 6/0"));
    DLG_VISU_RENCONTRES viewer("One", matches_);
    QCOMPARE(viewer.TotalText(), QStringLiteral("Total : 1 match  ( 1 match won, 0 match lost )"));
  }

  void ScoreLeavesTheOrderAndDateTwiceShowsTheLatestFirst() {
    ThreeMatches();
    DLG_VISU_RENCONTRES viewer("Three", matches_);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    MY_LIST_CONTROL& list = *viewer.ListControl();
    ClickHeading(list, 1);  // opponents
    QCOMPARE(Opponents(list), QStringList({"Jo Adam", "Jo Blanc", "Jo Carré"}));
    ClickHeading(list, 4);  // score
    QCOMPARE(Opponents(list), QStringList({"Jo Adam", "Jo Blanc", "Jo Carré"}));
    ClickHeading(list, 3);  // date, ascending
    QCOMPARE(Opponents(list), QStringList({"Jo Carré", "Jo Blanc", "Jo Adam"}));
    ClickHeading(list, 3);  // date again, descending
    QCOMPARE(Opponents(list), QStringList({"Jo Adam", "Jo Blanc", "Jo Carré"}));
    QVERIFY(viewer.SortsDescending());
    ClickHeading(list, 0);  // a new column starts ascending: lost first
    QVERIFY(!viewer.SortsDescending());
    QCOMPARE(list.ItemText(2, 0), QStringLiteral("W"));
  }

  void DoubleClickOpensTheMatchThroughTheHook() {
    ThreeMatches();
    DLG_VISU_RENCONTRES viewer("Three", matches_);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    MY_LIST_CONTROL& list = *viewer.ListControl();
    const QRect row = list.visualRect(list.Model().index(0, 1));
    // Without a match dialog a double click opens nothing.
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QCOMPARE(list.RowCount(), 3);

    RENCONTRE* opened = nullptr;
    DLG_VISU_RENCONTRES::SetMatchOpener([&opened](QWidget*, RENCONTRE& match) {
      opened = &match;
      match.Result().SetScore("7/6 7/6");
      return &match;
    });
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QVERIFY(opened == matches_.At(2));
    // The rows are shown again from the matches, in the same order.
    QCOMPARE(list.ItemText(0, 4), QStringLiteral("7/6 7/6"));
    QCOMPARE(list.RowCount(), 3);
  }
};

QTEST_MAIN(MatchViewerTest)
#include "match_viewer_test.moc"

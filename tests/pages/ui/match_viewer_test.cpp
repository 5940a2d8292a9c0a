// Guards the match viewer on real matches: its total line, its columns, the
// heading clicks that sort (and the score heading that does not), and the
// double click that goes through the match-opening hook.
#include <QHeaderView>
#include <QLabel>
#include <QTest>

#include "pages/common/matches/match_viewer.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/listview/list_control.h"

using namespace scorvane;
using namespace scorvane::testing;

class MatchViewerTest : public WindowFixture {
  Q_OBJECT

 private:
  List<RENCONTRE*> matches_;

  // Three matches of 2001: won against Blanc on 10 March (given first),
  // lost to Adam on 5 May, lost to Carré on 2 February.
  void ThreeMatches() {
    DocumentBuilder builder(Owner());
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
    WindowFixture::init();
    matches_.RemoveAll();
  }
  void cleanup() {
    DLG_VISU_RENCONTRES::SetMatchOpener(nullptr);
    WindowFixture::cleanup();
  }

  void ShowsTheTitleTheTotalAndTheColumnsAndSortsByHeadings() {
    ThreeMatches();
    DLG_VISU_RENCONTRES viewer("Matches played with Jo", matches_);
    viewer.show();
    QCOMPARE(viewer.findChild<QLabel*>("viewerTitle")->text(),
             QStringLiteral("Matches played with Jo"));
    QCOMPARE(viewer.TotalText(),
             QStringLiteral("Total : 3 matches  ( 1 match won, 2 matches lost )"));
    MY_LIST_CONTROL& list = *viewer.ListControl();
    QStringList headings;
    for (int column = 0; column < list.ColumnCount(); ++column)
      headings << list.Model().headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headings,
             QStringList({"R", "Opponent(s)", "Rank", "Date", "Score", "Event", "Surface"}));
    QCOMPARE(list.RowCount(), 3);
    // No text is cut.
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < list.ColumnCount(); ++column) {
        QVERIFY(list.fontMetrics().horizontalAdvance(list.ItemText(row, column)) <
                list.columnWidth(column));
      }
    }
    // First sorted by date, earliest first.
    QCOMPARE(ColumnTexts(list, 1), QStringList({"Jo Carré", "Jo Blanc", "Jo Adam"}));
    QCOMPARE(list.ItemText(1, 4), QStringLiteral("6/1 6/1"));
    // The score heading leaves the order; the date heading twice puts the latest first.
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    ClickHeading(list, 1);
    ClickHeading(list, 4);
    QCOMPARE(ColumnTexts(list, 1), QStringList({"Jo Adam", "Jo Blanc", "Jo Carré"}));
    ClickHeading(list, 3);
    ClickHeading(list, 3);
    QCOMPARE(ColumnTexts(list, 1), QStringList({"Jo Adam", "Jo Blanc", "Jo Carré"}));
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
    DoubleClickRow(list, 0, 1);
    QVERIFY(opened == matches_.At(2));
    // The rows are shown again from the matches, in the same order.
    QCOMPARE(list.ItemText(0, 4), QStringLiteral("7/6 7/6"));
    QCOMPARE(list.RowCount(), 3);
  }
};

QTEST_MAIN(MatchViewerTest)
#include "match_viewer_test.moc"

// The season summary page driven as a user would: its boxes, counts, chart,
// points box by system, and printout.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "pages/common/charts/match_chart_panel.h"
#include "pages/summary/points_box_view.h"
#include "pages/summary/summary_page.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/listview/list_control.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;
using namespace scorvane::testing;

class SummaryPageTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<PAGE_SAISON> page_;

 private slots:
  // 2001, owner 30/1: a won singles on clay over Ann (30/2), a lost singles
  // to Bob (15/5), a lost doubles, and a friendly won (left out by default).
  void init() {
    WindowFixture::init();
    DocumentBuilder b(Owner());
    SURFACE* clay = Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
    b.Season(2001, "30/1");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    JOUEUR* ann = b.Player("Ann", "Two", {{2001, "30/2"}, {2002, "30/2"}});
    b.Singles(open, ann, true, "6/2 6/2")->SetSurface(clay);
    b.Singles(open, b.Player("Bob", "Three", {{2001, "15/5"}}), false, "3/6 3/6");
    b.Doubles(open, ann, b.Player("Eve", "Five"), b.Player("Fay", "Six"), false, "6/7 6/7");
    b.Singles(b.Event("Club", EPREUVE::kFriendly, 0, DATE_SIMPLE(1, 6, 2001)),
              b.Player("Gus", "Seven"), true, "6/0 6/0");
    page_ = ShownPage<PAGE_SAISON>({1000, 760}, true);
  }
  void cleanup() {
    page_.reset();
    WindowFixture::cleanup();
  }

  void ClearingABoxChangesTheCountsAndTheChart() {
    QCOMPARE(page_->Heading().text(), QStringLiteral("2001 summary (30/1)"));
    QCOMPARE(page_->SummaryBox().text(),
             QStringLiteral("\n\nSELECTED MATCHES\n\n3 matches / 4\n1 match won - 2 matches lost"));
    QTest::mouseClick(page_->Box(QStringLiteral("singles")), Qt::LeftButton);
    QCOMPARE(page_->SummaryBox().text(),
             QStringLiteral("\n\nSELECTED MATCHES\n\n1 match / 4\n0 matches won - 1 match lost"));
    QCOMPARE(page_->ChartPanel().ChartText(),
             QStringLiteral("Played Ranks\nSelected matches : 1 / 4\n"));
    QTest::mouseClick(page_->Box(QStringLiteral("friendly")), Qt::LeftButton);
    QCOMPARE(page_->SummaryBox().text(),
             QStringLiteral("\n\nSELECTED MATCHES\n\n1 match / 4\n0 matches won - 1 match lost"));
  }

  void ThePointsBoxFollowsTheSystemAndItsButtonAsksForTheReport() {
    PointsBoxView& points = page_->Points();
    QVERIFY(points.DetailsButton().isVisible());
    QCOMPARE(points.LineTexts().first(), QStringLiteral("Only one victory kept"));
    QCOMPARE(points.List().RowCount(), 1);
    QCOMPARE(points.List().ItemText(0, 0), QStringLiteral("Ann Two"));
    QSignalSpy asked(page_.get(), &PageView::ShowPageRequested);
    QTest::mouseClick(&points.DetailsButton(), Qt::LeftButton);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.at(0).at(0).toInt(), 5);

    Registry().SetActive(Registry().FindBuiltIn("NTRP"));
    page_->Refresh();
    QVERIFY(!points.DetailsButton().isVisible());
    QVERIFY(!points.List().isVisible());
    QCOMPARE(page_->Heading().text(), QStringLiteral("2001 summary"));
  }

  void PrintsTheCountsTheChartAndTheBoxes() {
    QCOMPARE(page_->PrintTitle(), QStringLiteral("Season 2001 summary"));
    const QString path = Path("summary.pdf");
    QVERIFY(ExportPdf(*page_, path));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!text.waitForFinished(20000) || text.exitCode() != 0) QSKIP("pdftotext is not available");
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* line : {"SELECTED", "3 matches / 4", "2 matches lost", "Played Ranks",
                             "2001 season : singles, doubles, championships"})
      QVERIFY2(printed.contains(QLatin1String(line)), line);
  }
};

QTEST_MAIN(SummaryPageTest)
#include "summary_page_test.moc"

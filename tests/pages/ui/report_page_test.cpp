// The calculation report page: its report, the scales under the French
// system, the way back to the summary, and pages printed whole.
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "estimates/report_markup.h"
#include "pages/report/report_page.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/listview/list_control.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QString Simplified(const QString& line) {
  return line.simplified();
}

bool IsRule(const QString& line) {
  return !line.isEmpty() && line.count(u'_') == line.size();
}

}  // namespace

class ReportPageTest : public WindowFixture {
  Q_OBJECT

 private:
  // A man at 30/2 in 2001 with `wins` victories over 30/1 players and a
  // defeat: several passes up.
  void Season(int wins) {
    Owner().SetFirstName("Jean");
    Owner().SetLastName("Martin");
    DocumentBuilder b(Owner());
    b.Season(2001, "30/2");
    EPREUVE_JOUEE* open = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    for (int i = 0; i < wins; ++i) {
      b.Singles(open,
                b.Player("Paul", "Player" + std::to_string(i), {{2001, "15/4"}, {2002, "15/4"}}),
                true, "6/4 6/4");
    }
    b.Singles(open, b.Player("Luc", "Fort", {{2001, "15/1"}, {2002, "15/1"}}), false, "2/6 2/6");
  }

 private slots:
  void FrenchReportWithItsScalesThenOthersWithout() {
    Season(3);
    DETAILS_FFT page;
    page.InitialUpdate();
    const std::string text = page.ReportText();
    QVERIFY(text.find("ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001") != std::string::npos);
    QVERIFY(text.find("WHAT WOULD TAKE YOU UP TO") != std::string::npos);
    QVERIFY(text.find("Defeats your estimate can still take:") != std::string::npos);
    page.show();
    for (int table = 0; table < 5; ++table)
      QVERIFY(page.ScaleButton(table)->isVisible());
    QVERIFY(page.ScalesHeading()->isVisible());
    // The page scrolls over the whole report.
    const ReportLayout& layout = page.ScreenLayout();
    QVERIFY(layout.end > 580);
    QCOMPARE(page.findChild<QWidget*>("reportCanvas")->height(), layout.ScrollHeight());
    // A page step is a tenth of the report, a line step one line, also
    // after the page changed size.
    page.resize(700, 400);
    QCoreApplication::processEvents();
    const QScrollBar* bar = page.findChild<QScrollArea*>("reportScroll")->verticalScrollBar();
    QCOMPARE(bar->pageStep(), layout.ScrollHeight() / 10);
    QCOMPARE(bar->singleStep(), layout.line_height);

    // The Belgian report has no scales.
    Registry().SetActive(&Registry().Belgian());
    page.Refresh();
    QVERIFY(page.ReportText().find("ESTIMATION DU CLASSEMENT") == std::string::npos);
    QVERIFY(!page.ReportText().empty());
    for (int table = 0; table < 5; ++table)
      QVERIFY(!page.ScaleButton(table)->isVisible());
    QVERIFY(!page.ScalesHeading()->isVisible());
    // A system without estimate: nothing but the buttons.
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    page.Refresh();
    QVERIFY(page.ReportText().empty());
  }

  void ScaleButtonsOpenTheirTableAndBackGoesToTheSummary() {
    Season(1);
    const auto page = ShownPage<DETAILS_FFT>({900, 700}, true);
    QString title;
    int rows = 0;
    AnswerNextModal([&](QWidget* modal) {
      auto* list = modal->findChild<MY_LIST_CONTROL*>("scalesList");
      title = modal->windowTitle();
      rows = list->RowCount();
      modal->close();
    });
    QTest::mouseClick(page->ScaleButton(4), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Upgrade and downgrade norms (norms used for the 2000 season)"));
    QCOMPARE(rows, 25);
    QSignalSpy asked(page.get(), &PageView::ShowPageRequested);
    QTest::mouseClick(page->findChild<QPushButton*>("backToSummary"), Qt::LeftButton);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.front().front().toInt(), 4);
    QCOMPARE(page->PrintTitle(),
             QStringLiteral("Jean Martin, saison 2001 - Calcul du classement 2002"));
  }

  void PrintedPagesBreakOnlyAfterRules() {
    Season(12);
    DETAILS_FFT page;
    page.InitialUpdate();
    const QString pdf = Path("report.pdf");
    QVERIFY(ExportPdf(page, pdf));
    const int pages = static_cast<int>(page.PageStarts().size());
    QVERIFY2(pages >= 3, "the report should take several pages");

    // The report's lines as the page draws them: rules apart, blanks dropped.
    QStringList expected;
    for (const QString& line :
         QString::fromStdString(ReportAsPlainText(page.ReportText())).split(u'\n')) {
      if (!Simplified(line).isEmpty()) expected << Simplified(line);
    }
    QStringList printed;
    for (int number = 1; number <= pages; ++number) {
      QProcess reader;
      reader.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                    QString::number(number), QStringLiteral("-layout"), pdf, QStringLiteral("-")});
      QVERIFY(reader.waitForFinished(20000));
      QStringList lines;
      for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n')) {
        const QString text = Simplified(line);
        // The header and footer bands.
        if (text.isEmpty() || text.contains(QStringLiteral("Calcul du classement 2002")) ||
            text.startsWith(QStringLiteral("Scorvane - ")))
          continue;
        lines << text;
      }
      QVERIFY(!lines.isEmpty());
      if (number > 1) {
        // The line before this page's first one, in the report, is a rule.
        const int at = expected.indexOf(lines.front(), printed.size());
        QVERIFY2(at > 0 && IsRule(expected[at - 1]), qPrintable(lines.front()));
      }
      printed << lines;
    }
    // Rules at the foot of a page are printed there; nothing else moves.
    QCOMPARE(printed, expected);
  }
};

QTEST_MAIN(ReportPageTest)
#include "report_page_test.moc"

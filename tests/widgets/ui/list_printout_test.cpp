// Guards the printing of a MY_LIST_CONTROL: page breaks that keep groups whole, the
// headings on every page, rows drawn as on screen, and the scaling to
// a real printer resolution.
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "widgets/listview/list_control.h"
#include "widgets/listview/list_printout.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;

// The header and footer bands of the window's printing code take the top
// and bottom of the page; the content area lies between them.
constexpr int kBand = 60;

class ListPrintoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    list_ = std::make_unique<MY_LIST_CONTROL>(true, true);
    list_->SetDefaultColours(list_pairs::kCream.a, list_pairs::kCream.b);
    list_->InsertColumn(0, QStringLiteral("Name"), ColumnAlignment::kLeft, 150);
    list_->InsertColumn(1, QStringLiteral("Town"), ColumnAlignment::kCentre, 100);
    printout_ = std::make_unique<ListPrintout>(*list_, [] { return QStringLiteral("Clubs"); });
  }

  void EmptyListPrintsOnePageOfHeadings() {
    Fill(0, {});
    QImage page = PageFor(40);
    QPainter painter(&page);
    const QRectF area = AreaOf(page);
    QCOMPARE(printout_->Paginate(painter, area), 1);
    printout_->PaintPage(painter, area, 0);
    painter.end();
    const int heading_middle = kBand + list_->RowHeight() / 2;
    QCOMPARE(page.pixelColor(20, heading_middle), QColor(180, 180, 180));
    // Under the headings the page stays blank.
    for (int y = kBand + list_->RowHeight() + 1; y < page.height(); y += 3) {
      for (int x = 0; x < page.width(); x += 7)
        QCOMPARE(page.pixelColor(x, y), QColor(Qt::white));
    }
  }

  void PagesShowTheirOwnRowsAsOnScreen() {
    Fill(100, {0, 35, 65});
    QImage page = PageFor(40);
    QPainter painter(&page);
    const QRectF area = AreaOf(page);
    // A group of thirty rows moves whole to the next page.
    QCOMPARE(printout_->Paginate(painter, area), 3);
    QCOMPARE(printout_->RowsPerPage(), 40);
    QCOMPARE(printout_->PageFirstRows(), (std::vector<int>{0, 35, 65}));
    printout_->PaintPage(painter, area, 1);
    painter.end();
    const int h = list_->RowHeight();
    // Page 2 starts with the group heading row 35 right under the headings,
    // its rows in the colours the screen gives them.
    const int x = 240;  // inside the name column, right of its text
    QCOMPARE(page.pixelColor(20, kBand + h / 2), QColor(180, 180, 180));
    for (int offset = 0; offset < 3; ++offset) {
      const int row = 35 + offset;
      QCOMPARE(page.pixelColor(x, kBand + (offset + 1) * h + h / 2),
               list_->CellLookAt(row, 0).background);
    }
    // 30 rows (35 to 64) then nothing: row 65 is on the next page.
    QVERIFY(page.pixelColor(x, kBand + 30 * h + h / 2) != QColor(Qt::white));
    QCOMPARE(page.pixelColor(x, kBand + 31 * h + h / 2), QColor(Qt::white));
    // A selected row prints with the highlight when the list always shows it.
    list_->SetShowSelectionAlways(true);
    list_->SelectItem(36);
    QImage again = PageFor(40);
    QPainter second(&again);
    printout_->PaintPage(second, area, 1);
    second.end();
    QCOMPARE(again.pixelColor(x, kBand + 2 * h + h / 2), QColor(236, 254, 70));
  }

  void FitsThePrinterPage() {
    Fill(200, {0, 50, 90, 130});
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath(QStringLiteral("list.pdf")));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    const QRect page = painter.viewport();
    const QRectF area(0, 150, page.width(), page.height() - 300);
    const int pages = printout_->Paginate(painter, area);
    // 600 dpi printer, 96 dpi screen: a printed row is 6.25 device pixels per screen pixel.
    const double row_height = list_->RowHeight() * 600.0 / 96.0;
    const int rows_per_page = printout_->RowsPerPage();
    QVERIFY(rows_per_page > 20);
    // The rows and the headings fill the area without overflowing it.
    QVERIFY((rows_per_page + 1) * row_height <= area.height());
    QVERIFY((rows_per_page + 2) * row_height > area.height());
    QCOMPARE(pages, static_cast<int>(printout_->PageFirstRows().size()));
    for (int index = 0; index < pages; ++index) {
      if (index > 0) writer.newPage();
      printout_->PaintPage(painter, area, index);
    }
    QVERIFY(painter.end());
  }

  void HalfPagePrintsInItsHalf() {
    Fill(3, {});
    printout_->SetHalf(ListPrintout::Half::kRight);
    QImage page = PageFor(10);
    QPainter painter(&page);
    const QRectF area = AreaOf(page);
    printout_->Paginate(painter, area);
    printout_->PaintPage(painter, area, 0);
    painter.end();
    const int heading_middle = kBand + list_->RowHeight() / 2;
    QCOMPARE(page.pixelColor(page.width() / 4, heading_middle), QColor(Qt::white));
    QCOMPARE(page.pixelColor(page.width() / 2 + 10, heading_middle), QColor(180, 180, 180));
  }

  // A list laid out by its content turns an upright sheet only when its
  // columns need more than the sheet's printable width, for that job alone.
  void WideColumnsTurnTheSheet() {
    printout_->SetColumnsByContent(true);
    QTemporaryDir dir;
    for (const int letters : {20, 120}) {
      list_->SetRows({ListRow{{QString(letters, u'W'), QStringLiteral("Lyon")}, {}, {}}});
      QPdfWriter writer(dir.filePath(QStringLiteral("list.pdf")));
      writer.setPageSize(QPageSize(QPageSize::A4));
      QCOMPARE(TurnForContent(*printout_, writer), QPageLayout::Portrait);
      QCOMPARE(writer.pageLayout().orientation(),
               letters == 120 ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
  }

 private:
  void Fill(int rows, std::initializer_list<int> group_starts) {
    std::vector<ListRow> filled;
    for (int row = 0; row < rows; ++row)
      filled.push_back(ListRow{{QStringLiteral("row %1").arg(row), QStringLiteral("x")}, {}, {}});
    list_->SetRows(std::move(filled));
    list_->ClearGroupStarts();
    for (int start : group_starts)
      list_->AddGroupStart(start);
  }
  // A screen-resolution page whose content area holds `rows` rows under the headings.
  QImage PageFor(int rows) const {
    const int height = (rows + 1) * list_->RowHeight() + list_->RowHeight() / 2 + 2 * kBand;
    QImage page(600, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
  }

  QRectF AreaOf(const QImage& page) const {
    return QRectF(0, kBand, page.width(), page.height() - 2 * kBand);
  }

  std::unique_ptr<MY_LIST_CONTROL> list_;
  std::unique_ptr<ListPrintout> printout_;
};

QTEST_MAIN(ListPrintoutTest)
#include "list_printout_test.moc"

// Guards printed pages: the header and footer bands around the content, the pages
// a content asks for, and PDF files written (or refused) for real.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include "tests/support/ui/counting_page.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/print/page_printer.h"
#include "widgets/print/printable.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A content of `pages` pages that notes what it was asked to paint.
class CountingContent : public Printable {
 public:
  explicit CountingContent(int pages) : pages_(pages) {}
  QString PrintTitle() const override { return QStringLiteral("Season 2001 matches"); }
  int Paginate(QPainter&, const QRectF& area) override {
    area_ = area;
    return pages_;
  }
  void PaintPage(QPainter& painter, const QRectF& area, int index) override {
    painted.push_back(index);
    painter.fillRect(area, Qt::blue);
  }

  std::vector<int> painted;
  QRectF area_;

 private:
  int pages_;
};

}  // namespace

class PrintTest : public WindowFixture {
  Q_OBJECT

 private slots:
  void SheetLayoutLeavesRoomForBothBands() {
    // 100 dots per inch: 6 mm = 23.6 dots, 2 mm = 7.9 dots.
    const SheetLayout layout = SheetLayout::For(QSizeF(800, 1100), 100);
    QCOMPARE(qRound(layout.header.height()), 24);
    QCOMPARE(layout.header.top(), 0.0);
    QCOMPARE(qRound(layout.footer.bottom()), 1100);
    QVERIFY(layout.content.top() > layout.header.bottom());
    QVERIFY(layout.content.bottom() < layout.footer.top());
    QCOMPARE(layout.content.width(), 800.0);
  }

  void BandsAroundTheContent() {
    QImage image(500, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    const SheetLayout layout = SheetLayout::For(QSizeF(500, 700), 72);
    QPainter painter(&image);
    PaintHeader(painter, layout.header, QStringLiteral("Season 2001 matches"), 2, 3, 72);
    painter.fillRect(layout.content, Qt::blue);
    PaintFooter(painter, layout.footer, 72);
    painter.end();
    QCOMPARE(image.pixelColor(2, 2), QColor(230, 230, 230));
    QCOMPARE(image.pixelColor(2, 697), QColor(230, 230, 230));
    QCOMPARE(image.pixelColor(250, 350), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(250, qRound(layout.header.bottom()) + 2), QColor(Qt::white));
    // The header's text is drawn (dark pixels inside the band).
    int dark = 0;
    for (int y = 3; y < qRound(layout.header.bottom()) - 2; ++y)
      for (int x = 0; x < image.width(); ++x)
        dark += image.pixelColor(x, y).lightness() < 100;
    QVERIFY(dark > 20);
  }

  // Every page of the content is printed; a content of no page, one sheet.
  void EveryPageOfTheContentIsPrinted() {
    for (const int pages : {3, 0}) {
      CountingContent content(pages);
      QPdfWriter writer(Path(QStringLiteral("%1.pdf").arg(pages)));
      writer.setResolution(100);
      QCOMPARE(PrintTo(content, writer, writer.resolution()), std::max(pages, 1));
      QCOMPARE(content.painted, pages ? std::vector<int>({0, 1, 2}) : std::vector<int>({0}));
      const SheetLayout layout =
          SheetLayout::For(QSizeF(writer.width(), writer.height()), writer.resolution());
      QCOMPARE(content.area_, layout.content);
    }
  }

  void PdfOfAPageAndNoneIntoAMissingFolder() {
    CountingPage page(PageView::kStatistics);
    const QString path = Path("page.pdf");
    QVERIFY(ExportPdf(page, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
        1);
    QVERIFY(!ExportPdf(page, Path("missing/folder/page.pdf")));
  }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"

// Printing a page: the common header band (title, "Page n/m") and footer
// band (program name and today's date) on every sheet, the page's own
// content between them, sent to a printer, a preview or a PDF file.
#pragma once

#include <QObject>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace scorvane {

class Printable;

// Where things go on one sheet, in device pixels.
struct SheetLayout {
  QRectF header;
  QRectF footer;
  QRectF content;

  // For a printable area of `size` at `dpi` dots per inch: 6 mm bands at the
  // top and the bottom, 2 mm of air between them and the content.
  static SheetLayout For(const QSizeF& size, double dpi);
};

// The header band: grey, the title on the left (cut with an ellipsis when
// too long), "Page n/m" on the right, a black line under it.
void PaintHeader(QPainter& painter, const QRectF& band, const QString& title, int page, int pages,
                 double dpi);
// The footer band: grey, "Scorvane - <today>" in the middle, a black line over it.
void PaintFooter(QPainter& painter, const QRectF& band, double dpi);

// Turns the sheets of `device` to landscape when they are upright and the
// content wants landscape; the orientation they had.
QPageLayout::Orientation TurnForContent(const Printable& content, QPagedPaintDevice& device);
// Lays the content out and paints every sheet on `device`; the number of
// sheets, 0 when painting could not start.
int PrintTo(Printable& content, QPagedPaintDevice& device, double dpi);
// Writes the content to a PDF file; false when the file cannot be written.
bool ExportPdf(Printable& content, const QString& path);

// The print commands of the window: one printer set-up kept for the run.
class PagePrinter : public QObject {
  Q_OBJECT

 public:
  explicit PagePrinter(QObject* parent = nullptr);
  ~PagePrinter() override;

  void Print(Printable& content, QWidget* parent);
  void Preview(Printable& content, QWidget* parent);
  // Asks where, then writes the PDF; tells when it failed.
  void ExportToPdf(Printable& content, QWidget* parent);
  void PageSetup(QWidget* parent);

 private:
  // Made at the first print command: setting a printer up loads the print
  // system, which a window that never prints should not wait for.
  QPrinter& Printer();

  std::unique_ptr<QPrinter> printer_;
};

}  // namespace scorvane

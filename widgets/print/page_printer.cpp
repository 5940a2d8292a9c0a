#include "widgets/print/page_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>

#include "base/dates.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/print/printable.h"

namespace scorvane {
namespace {

double Mm(double millimetres, double dpi) {
  return millimetres * dpi / 25.4;
}

QFont BandFont(double dpi) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, static_cast<int>(Mm(4, dpi) * 0.75)));
  font.setWeight(QFont::Normal);
  return font;
}

const QColor kBandFill(230, 230, 230);

}  // namespace

SheetLayout SheetLayout::For(const QSizeF& size, double dpi) {
  const double band = Mm(6, dpi);
  const double gap = Mm(2, dpi);
  SheetLayout layout;
  layout.header = QRectF(0, 0, size.width(), band);
  layout.footer = QRectF(0, size.height() - band, size.width(), band);
  layout.content = QRectF(0, band + gap, size.width(), size.height() - 2 * (band + gap));
  return layout;
}

void PaintHeader(QPainter& painter, const QRectF& band, const QString& title, int page, int pages,
                 double dpi) {
  painter.save();
  painter.fillRect(band, kBandFill);
  painter.setFont(BandFont(dpi));
  painter.setPen(Qt::black);
  const double margin = Mm(1.5, dpi);
  const QString number = QStringLiteral("Page %1/%2").arg(page).arg(pages);
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double number_width = metrics.horizontalAdvance(number);
  const QRectF text_box = band.adjusted(margin, 0, -margin, 0);
  painter.drawText(text_box, Qt::AlignRight | Qt::AlignVCenter, number);
  const double title_width = std::max(0.0, text_box.width() - number_width - 2 * margin);
  painter.drawText(QRectF(text_box.left(), text_box.top(), title_width, text_box.height()),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(title, Qt::ElideRight, title_width));
  painter.setPen(QPen(Qt::black, std::max(1.0, Mm(0.2, dpi))));
  painter.drawLine(band.bottomLeft(), band.bottomRight());
  painter.restore();
}

void PaintFooter(QPainter& painter, const QRectF& band, double dpi) {
  painter.save();
  painter.fillRect(band, kBandFill);
  painter.setFont(BandFont(dpi));
  painter.setPen(Qt::black);
  const QString text =
      QStringLiteral("Scorvane - %1").arg(QString::fromStdString(Today().Format()));
  painter.drawText(band, Qt::AlignCenter, text);
  painter.setPen(QPen(Qt::black, std::max(1.0, Mm(0.2, dpi))));
  painter.drawLine(band.topLeft(), band.topRight());
  painter.restore();
}

QPageLayout::Orientation TurnForContent(const Printable& content, QPagedPaintDevice& device) {
  const QPageLayout layout = device.pageLayout();
  if (layout.orientation() == QPageLayout::Portrait &&
      content.WantsLandscape(layout.paintRect(QPageLayout::Inch).width()))
    device.setPageOrientation(QPageLayout::Landscape);
  return layout.orientation();
}

int PrintTo(Printable& content, QPagedPaintDevice& device, double dpi) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const SheetLayout layout = SheetLayout::For(QSizeF(device.width(), device.height()), dpi);
  const int pages = std::max(1, content.Paginate(painter, layout.content));
  const QString title = content.PrintTitle();
  for (int index = 0; index < pages; ++index) {
    if (index > 0) device.newPage();
    PaintHeader(painter, layout.header, title, index + 1, pages, dpi);
    painter.save();
    painter.setClipRect(layout.content);
    content.PaintPage(painter, layout.content, index);
    painter.restore();
    PaintFooter(painter, layout.footer, dpi);
  }
  painter.end();
  return pages;
}

bool ExportPdf(Printable& content, const QString& path) {
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setTitle(content.PrintTitle());
  writer.setCreator(QStringLiteral("Scorvane"));
  TurnForContent(content, writer);
  return PrintTo(content, writer, writer.resolution()) > 0 && QFileInfo(path).size() > 0;
}

PagePrinter::PagePrinter(QObject* parent) : QObject(parent) {}

PagePrinter::~PagePrinter() = default;

QPrinter& PagePrinter::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

// The sheet is turned for one job only: the page set-up stays the user's.
void PagePrinter::Print(Printable& content, QWidget* parent) {
  const QPageLayout::Orientation set_up = TurnForContent(content, Printer());
  QPrintDialog dialog(&Printer(), parent);
  if (dialog.exec() == QDialog::Accepted) PrintTo(content, Printer(), Printer().resolution());
  Printer().setPageOrientation(set_up);
}

void PagePrinter::Preview(Printable& content, QWidget* parent) {
  const QPageLayout::Orientation set_up = TurnForContent(content, Printer());
  QPrintPreviewDialog dialog(&Printer(), parent);
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
          [&content](QPrinter* printer) { PrintTo(content, *printer, printer->resolution()); });
  // Large enough to read a page, but never larger than the screen it opens on.
  const QSize wanted(900, 700);
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  dialog.resize(screen ? wanted.boundedTo(screen->availableGeometry().size() * 0.9) : wanted);
  dialog.exec();
  Printer().setPageOrientation(set_up);
}

void PagePrinter::ExportToPdf(Printable& content, QWidget* parent) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  QString name = content.PrintTitle();
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
  if (name.isEmpty()) name = QStringLiteral("Scorvane");
  QString path = FileChoosers::ChooseSave(parent, QDir(folder).filePath(name + ".pdf"),
                                          tr("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  if (!ExportPdf(content, path)) {
    MessageBoxes::Warn(
        parent, tr("The PDF file %1 could not be written.").arg(QDir::toNativeSeparators(path)));
  }
}

void PagePrinter::PageSetup(QWidget* parent) {
  QPageSetupDialog dialog(&Printer(), parent);
  dialog.exec();
}

}  // namespace scorvane

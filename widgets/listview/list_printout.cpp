#include "widgets/listview/list_printout.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/listview/list_control.h"
#include "widgets/listview/page_breaks.h"

namespace scorvane {
namespace {

const QColor kHeadingFill{180, 180, 180};

// Device pixels per painter unit vertically (the printing code may have
// set a transform of its own).
double DevicePixelsPerUnit(const QPainter& painter) {
  const QTransform& t = painter.combinedTransform();
  const double scale = std::hypot(t.m12(), t.m22());
  return scale > 0 ? scale : 1.0;
}

}  // namespace

ListPrintout::ListPrintout(const MY_LIST_CONTROL& list, std::function<QString()> title)
    : list_(list), title_(std::move(title)) {}

QString ListPrintout::PrintTitle() const {
  return title_ ? title_() : QString();
}

int ListPrintout::LogicalWidth() const {
  if (logical_width_ > 0) return logical_width_;
  int items_width = 0;
  for (int column : list_.ShownColumnsInOrder())
    items_width += list_.columnWidth(column);
  return items_width + 12 * std::max(1, QFontMetrics(ListRowFont()).averageCharWidth());
}

ListPrintout::Scale ListPrintout::ScaleFor(const QPainter& painter, const QRectF& area) const {
  Scale scale;
  // Horizontally the list's width plus twelve average characters fills the
  // printable width (or half of it); vertically screen inches become
  // printer inches.
  const int logical_width = LogicalWidth();
  const double target_width = half_ == Half::kWhole ? area.width() : area.width() / 2;
  scale.x = target_width / logical_width;
  if (half_ == Half::kRight) scale.left = area.width() / 2;
  const QPaintDevice* device = painter.device();
  const int screen_dpi = std::max(1, list_.logicalDpiY());
  const int printer_dpi = device != nullptr ? std::max(1, device->logicalDpiY()) : screen_dpi;
  scale.y = static_cast<double>(printer_dpi) / screen_dpi / DevicePixelsPerUnit(painter);
  return scale;
}

int ListPrintout::Paginate(QPainter& painter, const QRectF& area) {
  const Scale scale = ScaleFor(painter, area);
  const double row_height = scale.y * list_.RowHeight();
  // The printing code hands over the area between the page header and
  // footer; the rows fill it under the column headings.
  rows_per_page_ = scorvane::RowsPerPage(area.height(), row_height, 1);
  first_rows_ =
      scorvane::PageFirstRows(list_.RowCount(), list_.Model().GroupStarts(), rows_per_page_);
  return static_cast<int>(first_rows_.size());
}

void ListPrintout::PaintHeadings(QPainter& painter, const std::vector<int>& columns) const {
  const int height = list_.RowHeight();
  int x = 0;
  painter.setFont(ListRowFont());
  for (int column : columns) {
    const int width = list_.columnWidth(column);
    const QRect cell(x, 0, width, height);
    painter.fillRect(cell, kHeadingFill);
    // Raised edges: light along the top and left, dark along the bottom and right.
    painter.setPen(Qt::white);
    painter.drawLine(cell.topLeft(), cell.topRight());
    painter.drawLine(cell.topLeft(), cell.bottomLeft());
    painter.setPen(QColor(100, 100, 100));
    painter.drawLine(cell.bottomLeft(), cell.bottomRight());
    painter.drawLine(cell.topRight(), cell.bottomRight());
    painter.setPen(Qt::black);
    const QString title = list_.model()->headerData(column, Qt::Horizontal).toString();
    const QRect text_area = cell.adjusted(2, 0, -2, 0);
    painter.drawText(text_area, Qt::AlignCenter | Qt::TextSingleLine,
                     QFontMetrics(ListRowFont())
                         .elidedText(title, Qt::ElideRight, std::max(0, text_area.width())));
    x += width;
  }
}

double ListPrintout::RowHeightOn(const QPainter& painter, const QRectF& area) const {
  return ScaleFor(painter, area).y * list_.RowHeight();
}

void ListPrintout::PaintRows(QPainter& painter, const QRectF& area, double top, int first,
                             int end) const {
  const Scale scale = ScaleFor(painter, area);
  const std::vector<int> columns = list_.ShownColumnsInOrder();
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.translate(area.left() + scale.left, top);
  painter.scale(scale.x, scale.y);
  PaintHeadings(painter, columns);
  const int height = list_.RowHeight();
  for (int row = first; row < end; ++row) {
    const int y = (row - first + 1) * height;
    int x = 0;
    for (int column : columns) {
      const int width = list_.columnWidth(column);
      PaintListCell(painter, QRect(x, y, width, height), list_.CellLookAt(row, column));
      x += width;
    }
  }
  painter.restore();
}

void ListPrintout::PaintPage(QPainter& painter, const QRectF& area, int index) {
  if (index < 0 || index >= static_cast<int>(first_rows_.size())) return;
  const int first = first_rows_[static_cast<size_t>(index)];
  const int end = index + 1 < static_cast<int>(first_rows_.size())
                      ? first_rows_[static_cast<size_t>(index) + 1]
                      : list_.RowCount();
  PaintRows(painter, area, area.top(), first, end);
}

}  // namespace scorvane

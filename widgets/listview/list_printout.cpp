#include "widgets/listview/list_printout.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/listview/list_cell_painter.h"
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

bool ListPrintout::WantsLandscape(double portrait_width) const {
  if (!by_content_) return false;
  // Texts print at their screen size: an inch of paper holds as many
  // pixels as an inch of screen.
  const double room = portrait_width * std::max(1, list_.logicalDpiY());
  return PrintsInLandscape(ShownColumnNeeds(),
                           static_cast<int>(half_ == Half::kWhole ? room : room / 2));
}

std::vector<ColumnNeed> ListPrintout::ShownColumnNeeds() const {
  std::vector<ColumnNeed> needs;
  for (int column : list_.ShownColumnsInOrder())
    needs.push_back({std::max(list_.FittingWidth(column), 1),
                     list_.ColumnKeptWhole(column) ? list_.TextsWidth(column) : 0});
  return needs;
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
  const QPaintDevice* device = painter.device();
  const int screen_dpi = std::max(1, list_.logicalDpiY());
  const int printer_dpi = device != nullptr ? std::max(1, device->logicalDpiY()) : screen_dpi;
  scale.y = static_cast<double>(printer_dpi) / screen_dpi / DevicePixelsPerUnit(painter);
  if (by_content_) {
    // Texts keep their proportions; the columns are made to fill the width.
    scale.x = scale.y;
    if (half_ == Half::kRight) scale.left = area.width() / 2;
    return scale;
  }
  // Horizontally the list's width plus twelve average characters fills the
  // printable width (or half of it); vertically screen inches become
  // printer inches.
  const int logical_width = LogicalWidth();
  const double target_width = half_ == Half::kWhole ? area.width() : area.width() / 2;
  scale.x = target_width / logical_width;
  if (half_ == Half::kRight) scale.left = area.width() / 2;
  return scale;
}

ListPrintout::Layout ListPrintout::LayOut(const QPainter& painter, const QRectF& area) const {
  Layout layout;
  layout.columns = list_.ShownColumnsInOrder();
  layout.row_lines.assign(static_cast<std::size_t>(list_.RowCount()), 1);
  if (!by_content_) {
    for (int column : layout.columns)
      layout.widths.push_back(list_.columnWidth(column));
    return layout;
  }
  const Scale scale = ScaleFor(painter, area);
  const double target = half_ == Half::kWhole ? area.width() : area.width() / 2;
  const int room = static_cast<int>(target / scale.x);
  const std::vector<ColumnNeed> needed = ShownColumnNeeds();
  long total = 0;
  for (const ColumnNeed& need : needed)
    total += need.width;
  if (total <= room) {
    // Every text fits: the room left is shared in proportion to the needs.
    long given = 0;
    for (const ColumnNeed& need : needed) {
      layout.widths.push_back(static_cast<int>(static_cast<long long>(need.width) * room / total));
      given += layout.widths.back();
    }
    if (!layout.widths.empty()) layout.widths.back() += static_cast<int>(room - given);
    return layout;
  }
  layout.widths = FitColumnWidths(needed, room, 2 * kListTextMargin + 8);
  // Cells now narrower than their text wrap; their row takes the lines.
  const int line = std::max(list_.RowHeight(), 1);
  for (int row = 0; row < list_.RowCount(); ++row) {
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
      if (layout.widths[i] >= needed[i].width) continue;
      const CellLook look = list_.CellLookAt(row, layout.columns[i]);
      if (look.span_width > 0 || look.text.isEmpty()) continue;
      const QFontMetricsF metrics(look.font);
      const int image = look.image.isNull()
                            ? 0
                            : look.image.deviceIndependentSize().toSize().width() + kListTextMargin;
      const int text_width = std::max(layout.widths[i] - 2 * kListTextMargin - image, 1);
      if (metrics.horizontalAdvance(look.text) <= text_width) continue;
      const int height = static_cast<int>(std::ceil(
          metrics.boundingRect(QRectF(0, 0, text_width, 1 << 20), kWrappedTextFlags, look.text)
              .height()));
      auto& lines = layout.row_lines[static_cast<std::size_t>(row)];
      lines = std::max(lines, (height + line - 1) / line);
    }
  }
  return layout;
}

int ListPrintout::Paginate(QPainter& painter, const QRectF& area) {
  const Scale scale = ScaleFor(painter, area);
  const double row_height = scale.y * list_.RowHeight();
  // The printing code hands over the area between the page header and
  // footer; the rows fill it under the column headings.
  rows_per_page_ = scorvane::RowsPerPage(area.height(), row_height, 1);
  layout_ = LayOut(painter, area);
  first_rows_ = scorvane::PageFirstRowsByLines(layout_.row_lines, list_.Model().GroupStarts(),
                                               rows_per_page_);
  return static_cast<int>(first_rows_.size());
}

void ListPrintout::PaintHeadings(QPainter& painter, const Layout& layout) const {
  const int height = list_.RowHeight();
  int x = 0;
  painter.setFont(ListRowFont());
  for (std::size_t i = 0; i < layout.columns.size(); ++i) {
    const int column = layout.columns[i];
    const int width = layout.widths[i];
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
  // The layout of the last pagination, unless the list changed since.
  const Layout layout =
      by_content_ && layout_.row_lines.size() == static_cast<std::size_t>(list_.RowCount()) &&
              layout_.columns == list_.ShownColumnsInOrder()
          ? layout_
          : LayOut(painter, area);
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.translate(area.left() + scale.left, top);
  painter.scale(scale.x, scale.y);
  PaintHeadings(painter, layout);
  const int line = list_.RowHeight();
  int y = line;
  for (int row = first; row < end; ++row) {
    const int lines = layout.row_lines[static_cast<std::size_t>(row)];
    int x = 0;
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
      CellLook look = list_.CellLookAt(row, layout.columns[i]);
      look.wrap = lines > 1;
      PaintListCell(painter, QRect(x, y, layout.widths[i], lines * line), look);
      x += layout.widths[i];
    }
    y += lines * line;
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

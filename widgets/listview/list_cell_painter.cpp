#include "widgets/listview/list_cell_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "widgets/listview/list_columns.h"
#include "widgets/listview/list_control.h"

namespace scorvane {
namespace {

QFont Arial(int pixel_height) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixel_height);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

QFont ListRowFont() {
  return Arial(14);
}

QFont ListGroupFont() {
  return Arial(20);
}

void WidenForListFont(ListColumnModel& columns) {
  const QFontMetrics metrics(ListRowFont());
  const double scale = std::max(1.0, metrics.averageCharWidth() / 6.0);
  for (int number = 0; number < columns.Count(); ++number) {
    ListColumn& column = columns.Column(number);
    const int heading = metrics.horizontalAdvance(QString::fromStdString(column.title)) + 15;
    column.width = std::max(static_cast<int>(column.width * scale + 0.5), heading);
  }
}

void PaintListCell(QPainter& painter, const QRect& cell, const CellLook& look) {
  painter.save();
  painter.setClipRect(cell, Qt::IntersectClip);
  painter.fillRect(cell, look.background);
  const QRect laid_out = look.span_width > 0 ? QRect(cell.left() - look.span_offset, cell.top(),
                                                     look.span_width, cell.height())
                                             : cell;
  QRect text_area = laid_out.adjusted(kListTextMargin, 0, -kListTextMargin, 0);
  if (!look.image.isNull()) {
    const QSize size = look.image.deviceIndependentSize().toSize();
    // Centred on the row, or on the first line of a wrapped cell.
    const int band = look.wrap ? QFontMetrics(look.font).height() + 2 : cell.height();
    const QPoint top_left(text_area.left(), cell.top() + std::max((band - size.height()) / 2, 0));
    painter.drawPixmap(QRect(top_left, size), look.image);
    text_area.setLeft(text_area.left() + size.width() + kListTextMargin);
  }
  if (!look.text.isEmpty() && text_area.width() > 0) {
    painter.setFont(look.font);
    painter.setPen(look.foreground);
    if (look.wrap) {
      const Qt::Alignment across = look.alignment & Qt::AlignHorizontal_Mask;
      painter.drawText(text_area.adjusted(0, 1, 0, 0),
                       static_cast<int>(across | Qt::AlignTop) | kWrappedTextFlags, look.text);
      painter.restore();
      return;
    }
    const QString shown =
        QFontMetrics(look.font).elidedText(look.text, Qt::ElideRight, text_area.width());
    painter.drawText(text_area, static_cast<int>(look.alignment) | Qt::TextSingleLine, shown);
  }
  painter.restore();
}

ListItemDelegate::ListItemDelegate(const MY_LIST_CONTROL& list)
    : QStyledItemDelegate(nullptr), list_(list) {}

void ListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  PaintListCell(*painter, option.rect, list_.CellLookAt(index.row(), index.column()));
}

}  // namespace scorvane

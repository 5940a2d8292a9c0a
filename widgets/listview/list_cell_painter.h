// How one cell of the grouped list looks and is drawn: shared by the screen
// (through the item delegate) and by printing, so that a printed list shows
// its rows exactly as the screen does.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStyledItemDelegate>

class QPainter;
class QRect;

namespace scorvane {

class ListColumnModel;
class MY_LIST_CONTROL;

// The fixed highlight of selected rows.
inline const QColor kHighlightText{0, 0, 230};
inline const QColor kHighlightBackground{236, 254, 70};

// The blank left on each side of a cell's text (and after its image).
inline constexpr int kListTextMargin = 4;

// The fonts of the list: Arial of height 14 for rows and headings, 20 for
// group heading rows.
QFont ListRowFont();
QFont ListGroupFont();

// Column widths are given for a narrow system font of six pixels a
// character: with the list's wider font they grow in proportion, and never
// leave a heading cut.
void WidenForListFont(ListColumnModel& columns);

struct CellLook {
  QString text;
  QPixmap image;
  QFont font;
  QColor background;
  QColor foreground;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  // A group heading that runs across the whole row: the cell shows its
  // part of a text laid out over `span_width` pixels starting
  // `span_offset` pixels before the cell's left edge. 0: the cell alone.
  int span_offset = 0;
  int span_width = 0;
  // A printed cell too narrow for its text: the text wraps onto as many
  // lines as the row is given instead of ending in an ellipsis.
  bool wrap = false;
};

// The flags a wrapped cell's text is laid out with.
inline constexpr int kWrappedTextFlags = Qt::TextWordWrap | Qt::TextWrapAnywhere;

// Fills the cell, draws the image (if any) then the text on one line,
// clipped to the cell and shortened with an ellipsis when it does not fit
// (the cell, or the whole row for a spanning heading); a wrapped cell's
// text runs over several lines from the cell's top.
void PaintListCell(QPainter& painter, const QRect& cell, const CellLook& look);

// Draws every cell of the list through PaintListCell.
class ListItemDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit ListItemDelegate(const MY_LIST_CONTROL& list);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const MY_LIST_CONTROL& list_;
};

}  // namespace scorvane

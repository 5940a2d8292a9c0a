// Prints a MY_LIST_CONTROL over as many pages as it needs: the column
// headings at the top of every page, then the rows drawn as on screen,
// breaking pages so that a group that would start low on a page moves whole
// to the next one. The window's printing code draws the page header and
// footer around the area it hands over.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "widgets/listview/column_fitting.h"
#include "widgets/print/printable.h"

namespace scorvane {

class MY_LIST_CONTROL;

class ListPrintout : public Printable {
 public:
  // Which part of the page width the list takes.
  enum class Half { kWhole, kLeft, kRight };
  ListPrintout(const MY_LIST_CONTROL& list, std::function<QString()> title);

  void SetHalf(Half half) { half_ = half; }
  // Columns laid out by their content across the printable width, texts at
  // their screen proportions: the room left over is shared in proportion to
  // what each column needs; when the columns cannot all fit, the widest
  // give up room (not those kept whole) and their longest cells wrap onto
  // more lines; before that the sheet turns to landscape (WantsLandscape).
  // Off: the screen's column widths are stretched to the page.
  void SetColumnsByContent(bool by_content) { by_content_ = by_content; }
  // The width, in screen pixels, that the printable width stands for: the
  // list's columns plus twelve average characters unless set (lists printed
  // one under the other share the widest one's, so their texts match).
  int LogicalWidth() const;
  void SetLogicalWidth(int width) { logical_width_ = width; }

  QString PrintTitle() const override;
  bool WantsLandscape(double portrait_width) const override;
  int Paginate(QPainter& painter, const QRectF& area) override;
  void PaintPage(QPainter& painter, const QRectF& area, int index) override;

  // For a list printed among other content on pages of `area`: the height
  // of one row (and of the column headings) in the painter's units, and
  // the headings with rows [first, end) painted from `top` down.
  double RowHeightOn(const QPainter& painter, const QRectF& area) const;
  void PaintRows(QPainter& painter, const QRectF& area, double top, int first, int end) const;

  // The first row of every page of the last layout.
  const std::vector<int>& PageFirstRows() const { return first_rows_; }
  int RowsPerPage() const { return rows_per_page_; }

 private:
  struct Scale {
    double x = 1;
    double y = 1;
    double left = 0;  // where the list begins, in painter units from the area's left
  };
  Scale ScaleFor(const QPainter& painter, const QRectF& area) const;
  // The shown columns, their printed widths and each row's lines, in
  // screen pixels, for the printable area.
  struct Layout {
    std::vector<int> columns;
    std::vector<int> widths;
    std::vector<int> row_lines;
  };
  Layout LayOut(const QPainter& painter, const QRectF& area) const;
  // What the shown columns need to print whole, in screen pixels.
  std::vector<ColumnNeed> ShownColumnNeeds() const;
  void PaintHeadings(QPainter& painter, const Layout& layout) const;

  const MY_LIST_CONTROL& list_;
  std::function<QString()> title_;
  Half half_ = Half::kWhole;
  int logical_width_ = 0;
  bool by_content_ = false;
  Layout layout_;
  std::vector<int> first_rows_{0};
  int rows_per_page_ = 1;
};

}  // namespace scorvane

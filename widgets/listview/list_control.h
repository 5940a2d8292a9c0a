// MY_LIST_CONTROL: the one list widget of the program. A multi-column list
// with alternating row colours, optional groups of rows with their own
// colour pairs and a larger font on their heading rows, a fixed highlight
// for selected rows and a notification whenever the first selected row
// changes. The list pages build their column model and sorting on it, and
// print it through ListPrintout.
#pragma once

#include <QList>
#include <QPixmap>
#include <QTableView>
#include <vector>

#include "widgets/listview/list_cell_painter.h"
#include "widgets/listview/list_colours.h"
#include "widgets/listview/list_columns.h"
#include "widgets/listview/list_model.h"

namespace scorvane {

class MY_LIST_CONTROL : public QTableView {
  Q_OBJECT

 public:
  // `multiple_selection`: otherwise selecting a row clears every other.
  // `row_height_from_font`: rows are as high as the list's fonts need.
  MY_LIST_CONTROL(bool multiple_selection, bool row_height_from_font, QWidget* parent = nullptr);

  ListModel& Model() { return model_; }
  const ListModel& Model() const { return model_; }

  // Sets the pair of colours of rows outside groups and switches colouring
  // on (until then rows are white).
  void SetDefaultColours(const Rgb& a, const Rgb& b);

  // Columns. A width of -1 makes the column as wide as its title plus 15.
  void InsertColumn(int index, const QString& title, ColumnAlignment alignment, int width = -1);
  void RemoveAllColumns();
  int ColumnCount() const { return model_.columnCount(); }
  // The width a column needs to show its heading and its texts uncut.
  int FittingWidth(int column) const;
  // Columns that follow their contents: whenever the rows are replaced and
  // whenever the list is resized, every shown column takes the width its
  // heading and texts need (at least the width it was inserted with),
  // within the width the list shows (the widest giving up room first, see
  // FitColumnWidths). Off by default: the list pages keep the widths their
  // columns were given.
  void SetColumnsFollowContents(bool follow);
  void FitColumns();
  // The whole text of a cell drawn cut for lack of room (shown as the
  // cell's tooltip), or empty when the cell shows all of it.
  QString CutCellText(int row, int column) const;

  // Rows.
  int InsertItem(int row, const QString& text, int image = -1, RowItem item = {});
  void SetItemText(int row, int column, const QString& text);
  QString ItemText(int row, int column) const { return model_.Text(row, column); }
  void SetItemImage(int row, int column, int image);
  // The record a row shows (empty outside the list); Item(row).As<T>()
  // gives it back as a T, or null.
  RowItem Item(int row) const { return model_.Item(row); }
  // The first row that shows `item`, or -1 (always -1 for an empty item).
  int RowOf(const RowItem& item) const;
  void DeleteItem(int row) { model_.RemoveRow(row); }
  void DeleteAllItems() { model_.RemoveAllRows(); }
  // Replaces every row in one step: the way to fill a long list.
  void SetRows(std::vector<ListRow> rows);
  int RowCount() const { return model_.rowCount(); }

  // Groups: the rows at which groups begin and the cycle of pairs they take.
  void ClearGroupStarts();
  void AddGroupStart(int row);
  void ClearGroupColours();
  void AddGroupColours(const GROUPE_LISTE& pair);
  // Group heading rows show the text and image of their column 0 across
  // the whole row, whichever columns are shown and in whatever order.
  void SetGroupHeadingsSpanRow(bool span);

  // Images shown in cells (by index), 24 x 16 pixels.
  void SetImageList(QList<QPixmap> images);

  // Selection.
  void ClearSelection();
  void SelectItem(int row);
  std::vector<int> SelectedRows() const;
  // The selected row with the lowest index, or -1.
  int FirstSelectedRow() const;
  // Selected rows are highlighted even while the list has no focus.
  void SetShowSelectionAlways(bool always);
  bool ShowsSelectionAlways() const { return show_selection_always_; }

  // The column model of a list page: titles, widths, shown columns,
  // alignment and display order. Applying it rebuilds the columns (and
  // empties the list); ReadColumnLayout takes back what the user changed
  // with the header (widths and order).
  void ApplyColumns(const ListColumnModel& columns);
  void ReadColumnLayout(ListColumnModel& columns) const;
  // Sorts the rows with the model's comparisons (year: ListSortYear()).
  void SortRows(const ListColumnModel& columns, int year);

  // The columns shown, in display order.
  std::vector<int> ShownColumnsInOrder() const;
  int RowHeight() const { return row_height_; }
  // How a cell is drawn, on screen and in print.
  CellLook CellLookAt(int row, int column) const;

 signals:
  // The first selected row changed: its index and record, or (-1, empty)
  // when the selection became empty.
  void SelectionNotified(int row, scorvane::RowItem item);
  // A column header was clicked (its column index).
  void HeaderClicked(int column);
  // A row was double-clicked or Enter was pressed on it.
  void RowActivated(int row);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void CheckSelection();
  void UpdateRowHeight();

  ListModel model_;
  ListItemDelegate delegate_;
  bool row_height_from_font_;
  int row_height_ = 0;
  bool show_selection_always_ = false;
  bool headings_span_row_ = false;
  int reported_row_ = -1;
  QList<QPixmap> images_;
  bool columns_follow_contents_ = false;
  // The widths the columns were inserted with, and what each column needs
  // (never less), measured when the rows last changed.
  std::vector<int> given_widths_;
  std::vector<int> needed_widths_;
};

}  // namespace scorvane

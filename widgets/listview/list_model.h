// The rows and columns behind MY_LIST_CONTROL: cell texts and images, one
// item (a record pointer) per row, the groups and colour pairs, and what
// the view asks of each cell (text, colour, font, alignment). The view only
// asks for the rows it shows, so a list of tens of thousands of rows costs
// no more to draw than a short one.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <vector>

#include "widgets/listview/list_colours.h"
#include "widgets/listview/list_columns.h"
#include "widgets/listview/row_item.h"

namespace scorvane {

// One row of the list: its cell texts (missing cells are empty), optional
// image indices per cell (-1 or missing = none) and the record it shows.
struct ListRow {
  std::vector<QString> texts;
  std::vector<int> images;
  RowItem item;
};

class ListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The image index of a cell.
  static constexpr int kImageRole = Qt::UserRole + 2;

  explicit ListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // Columns.
  void InsertColumn(int index, const QString& title, ColumnAlignment alignment);
  void RemoveAllColumns();
  ColumnAlignment Alignment(int column) const;

  // Rows. Row and column numbers outside the list are ignored.
  // Inserts a row before `row` (appends when past the end); returns its index.
  int InsertRow(int row, const QString& text, int image, RowItem item);
  void SetText(int row, int column, const QString& text);
  QString Text(int row, int column) const;
  void SetImage(int row, int column, int image);
  // The record of a row (empty outside the list).
  RowItem Item(int row) const;
  void RemoveRow(int row);
  void RemoveAllRows();
  // Replaces every row at once (one reset, however many rows).
  void SetRows(std::vector<ListRow> rows);
  // Puts the rows in a new order: row i becomes the row that was at
  // order[i]. Selections and other persistent indices follow their rows.
  // An order that is not a permutation of the rows is ignored.
  void Reorder(const std::vector<size_t>& order);
  std::vector<RowItem> Items() const;

  // Colours and groups.
  void SetDefaultColours(const GROUPE_LISTE& pair);
  void ClearGroupStarts();
  void AddGroupStart(int row);
  const std::vector<int>& GroupStarts() const { return group_starts_; }
  void ClearGroupColours();
  void AddGroupColours(const GROUPE_LISTE& pair);
  const std::vector<GROUPE_LISTE>& GroupColours() const { return group_cycle_; }
  Rgb RowBackground(int row) const;
  bool IsGroupStartRow(int row) const;

  // The fonts of ordinary rows and of group heading rows.
  void SetFonts(const QFont& row_font, const QFont& group_font);
  const QFont& RowFont(int row) const;

 private:
  struct Column {
    QString title;
    ColumnAlignment alignment = ColumnAlignment::kLeft;
  };

  bool HasRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
  bool HasCell(int row, int column) const {
    return HasRow(row) && column >= 0 && column < static_cast<int>(columns_.size());
  }

  std::vector<Column> columns_;
  std::vector<ListRow> rows_;
  bool colouring_ = false;
  GROUPE_LISTE default_pair_ = list_pairs::kCream;
  std::vector<int> group_starts_;
  std::vector<GROUPE_LISTE> group_cycle_{list_pairs::kCream, list_pairs::kGreen};
  QFont row_font_;
  QFont group_font_;
};

}  // namespace scorvane

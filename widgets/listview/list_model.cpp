#include "widgets/listview/list_model.h"

#include <QColor>
#include <algorithm>

namespace scorvane {

ListModel::ListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !HasCell(index.row(), index.column())) return {};
  const ListRow& row = rows_[static_cast<size_t>(index.row())];
  const auto column = static_cast<size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return column < row.texts.size() ? row.texts[column] : QString();
    case kImageRole:
      return column < row.images.size() ? row.images[column] : -1;
    case Qt::BackgroundRole: {
      const Rgb colour = RowBackground(index.row());
      return QColor(colour.red, colour.green, colour.blue);
    }
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::FontRole:
      return RowFont(index.row());
    case Qt::TextAlignmentRole: {
      const Qt::Alignment horizontal =
          columns_[column].alignment == ColumnAlignment::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
      return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    default:
      return {};
  }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return columns_[static_cast<size_t>(section)].title;
  return {};
}

void ListModel::InsertColumn(int index, const QString& title, ColumnAlignment alignment) {
  index = std::clamp(index, 0, columnCount());
  beginInsertColumns(QModelIndex(), index, index);
  columns_.insert(columns_.begin() + index, Column{title, alignment});
  for (ListRow& row : rows_) {
    if (static_cast<size_t>(index) < row.texts.size())
      row.texts.insert(row.texts.begin() + index, QString());
    if (static_cast<size_t>(index) < row.images.size())
      row.images.insert(row.images.begin() + index, -1);
  }
  endInsertColumns();
}

void ListModel::RemoveAllColumns() {
  if (columns_.empty()) return;
  beginResetModel();
  columns_.clear();
  for (ListRow& row : rows_) {
    row.texts.clear();
    row.images.clear();
  }
  endResetModel();
}

ColumnAlignment ListModel::Alignment(int column) const {
  if (column < 0 || column >= columnCount()) return ColumnAlignment::kLeft;
  return columns_[static_cast<size_t>(column)].alignment;
}

int ListModel::InsertRow(int row, const QString& text, int image, RowItem item) {
  row = std::clamp(row, 0, rowCount());
  beginInsertRows(QModelIndex(), row, row);
  ListRow added;
  added.texts.push_back(text);
  if (image >= 0) added.images.push_back(image);
  added.item = item;
  rows_.insert(rows_.begin() + row, std::move(added));
  endInsertRows();
  return row;
}

void ListModel::SetText(int row, int column, const QString& text) {
  if (!HasCell(row, column)) return;
  std::vector<QString>& texts = rows_[static_cast<size_t>(row)].texts;
  if (texts.size() <= static_cast<size_t>(column)) texts.resize(static_cast<size_t>(column) + 1);
  texts[static_cast<size_t>(column)] = text;
  const QModelIndex cell = index(row, column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

QString ListModel::Text(int row, int column) const {
  return data(index(row, column), Qt::DisplayRole).toString();
}

void ListModel::SetImage(int row, int column, int image) {
  if (!HasCell(row, column)) return;
  std::vector<int>& images = rows_[static_cast<size_t>(row)].images;
  if (images.size() <= static_cast<size_t>(column))
    images.resize(static_cast<size_t>(column) + 1, -1);
  images[static_cast<size_t>(column)] = image;
  const QModelIndex cell = index(row, column);
  emit dataChanged(cell, cell, {kImageRole});
}

RowItem ListModel::Item(int row) const {
  return HasRow(row) ? rows_[static_cast<size_t>(row)].item : RowItem();
}

void ListModel::RemoveRow(int row) {
  if (!HasRow(row)) return;
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void ListModel::RemoveAllRows() {
  if (rows_.empty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void ListModel::SetRows(std::vector<ListRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

void ListModel::Reorder(const std::vector<size_t>& order) {
  // Anything but a permutation of the rows would lose or repeat rows.
  if (order.size() != rows_.size()) return;
  std::vector<bool> seen(order.size(), false);
  for (size_t from : order) {
    if (from >= seen.size() || seen[from]) return;
    seen[from] = true;
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> new_row_of(rows_.size());
  std::vector<ListRow> reordered;
  reordered.reserve(rows_.size());
  for (size_t i = 0; i < order.size(); ++i) {
    reordered.push_back(std::move(rows_[order[i]]));
    new_row_of[order[i]] = static_cast<int>(i);
  }
  rows_ = std::move(reordered);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& old : before)
    after.push_back(index(new_row_of[static_cast<size_t>(old.row())], old.column()));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<RowItem> ListModel::Items() const {
  std::vector<RowItem> items;
  items.reserve(rows_.size());
  for (const ListRow& row : rows_)
    items.push_back(row.item);
  return items;
}

void ListModel::SetDefaultColours(const GROUPE_LISTE& pair) {
  default_pair_ = pair;
  colouring_ = true;
  if (!rows_.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ListModel::ClearGroupStarts() {
  group_starts_.clear();
}

void ListModel::AddGroupStart(int row) {
  // Kept in increasing order whatever order the owner adds them in.
  group_starts_.insert(std::upper_bound(group_starts_.begin(), group_starts_.end(), row), row);
}

void ListModel::ClearGroupColours() {
  group_cycle_.clear();
}

void ListModel::AddGroupColours(const GROUPE_LISTE& pair) {
  group_cycle_.push_back(pair);
}

Rgb ListModel::RowBackground(int row) const {
  RowColouring colouring;
  colouring.enabled = colouring_;
  colouring.default_pair = default_pair_;
  colouring.group_starts = group_starts_;
  colouring.cycle = group_cycle_;
  return RowColour(row, colouring);
}

bool ListModel::IsGroupStartRow(int row) const {
  return IsGroupStart(row, group_starts_);
}

void ListModel::SetFonts(const QFont& row_font, const QFont& group_font) {
  row_font_ = row_font;
  group_font_ = group_font;
}

const QFont& ListModel::RowFont(int row) const {
  return IsGroupStartRow(row) ? group_font_ : row_font_;
}

}  // namespace scorvane

#include "widgets/listview/list_control.h"

#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <optional>

#include "widgets/listview/column_fitting.h"

namespace scorvane {
namespace {

// Columns that follow their contents keep at least this width.
constexpr int kLeastColumnWidth = 40;

}  // namespace

MY_LIST_CONTROL::MY_LIST_CONTROL(bool multiple_selection, bool row_height_from_font,
                                 QWidget* parent)
    : QTableView(parent), delegate_(*this), row_height_from_font_(row_height_from_font) {
  model_.SetFonts(ListRowFont(), ListGroupFont());
  setModel(&model_);
  setItemDelegate(&delegate_);
  setFont(ListRowFont());
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(multiple_selection ? QAbstractItemView::ExtendedSelection
                                      : QAbstractItemView::SingleSelection);
  setShowGrid(false);
  setWordWrap(false);
  setSortingEnabled(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSectionsMovable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setFont(ListRowFont());
  UpdateRowHeight();

  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &MY_LIST_CONTROL::HeaderClicked);
  connect(this, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { emit RowActivated(index.row()); });
  // Whatever moves or clears the selection (a click, the keyboard, the
  // owner, rows inserted, removed, sorted or cleared) is checked once it has
  // happened, so the owner hears of each change of the first selected row.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &MY_LIST_CONTROL::CheckSelection);
  connect(&model_, &QAbstractItemModel::modelReset, this, &MY_LIST_CONTROL::CheckSelection);
  connect(&model_, &QAbstractItemModel::layoutChanged, this, &MY_LIST_CONTROL::CheckSelection);
  connect(&model_, &QAbstractItemModel::rowsInserted, this, &MY_LIST_CONTROL::CheckSelection);
  connect(&model_, &QAbstractItemModel::rowsRemoved, this, &MY_LIST_CONTROL::CheckSelection);
}

void MY_LIST_CONTROL::SetDefaultColours(const Rgb& a, const Rgb& b) {
  model_.SetDefaultColours(GROUPE_LISTE{a, b});
  viewport()->update();
}

void MY_LIST_CONTROL::InsertColumn(int index, const QString& title, ColumnAlignment alignment,
                                   int width) {
  needed_widths_.clear();
  index = std::clamp(index, 0, ColumnCount());
  model_.InsertColumn(index, title, alignment);
  if (width < 0) width = QFontMetrics(ListRowFont()).horizontalAdvance(title) + 15;
  setColumnWidth(index, width);
  given_widths_.insert(
      given_widths_.begin() + std::min<size_t>(static_cast<size_t>(index), given_widths_.size()),
      width);
}

int MY_LIST_CONTROL::FittingWidth(int column) const {
  int width = horizontalHeader()->sectionSizeHint(column);
  // Long lists repeat their texts (dates, events, results): each distinct
  // text is measured once for each of the two fonts rows use.
  const QFontMetrics row_metrics(model_.RowFont(-1));
  std::optional<QFontMetrics> group_metrics;
  QHash<QString, int> text_widths[2];
  for (int row = 0; row < RowCount(); ++row) {
    const bool group = model_.IsGroupStartRow(row);
    // A heading drawn across the whole row needs no room of one column.
    if (group && headings_span_row_) continue;
    const QString text = model_.Text(row, column);
    int needed = 2 * kListTextMargin + 1;
    if (!text.isEmpty()) {
      auto known = text_widths[group].constFind(text);
      if (known == text_widths[group].constEnd()) {
        if (group && !group_metrics) group_metrics.emplace(model_.RowFont(row));
        known = text_widths[group].insert(
            text, (group ? *group_metrics : row_metrics).horizontalAdvance(text));
      }
      needed += *known;
    }
    if (!images_.isEmpty()) {
      const int image = model_.data(model_.index(row, column), ListModel::kImageRole).toInt();
      if (image >= 0 && image < images_.size())
        needed += images_[image].deviceIndependentSize().toSize().width() + kListTextMargin;
    }
    width = std::max(width, needed);
  }
  return width;
}

void MY_LIST_CONTROL::SetColumnsFollowContents(bool follow) {
  if (follow == columns_follow_contents_) return;
  columns_follow_contents_ = follow;
  if (follow) {
    // Measured once per change of rows; a resize only shares the room again.
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
      needed_widths_.clear();
      FitColumns();
    });
    FitColumns();
  }
}

void MY_LIST_CONTROL::FitColumns() {
  std::vector<int> shown = ShownColumnsInOrder();
  if (needed_widths_.size() != static_cast<size_t>(ColumnCount())) {
    needed_widths_.assign(static_cast<size_t>(ColumnCount()), 0);
    for (int column : shown) {
      const auto at = static_cast<size_t>(column);
      needed_widths_[at] = std::max(FittingWidth(column), given_widths_[at]);
    }
  }
  std::vector<int> needed;
  for (int column : shown)
    needed.push_back(needed_widths_[static_cast<size_t>(column)]);
  // The vertical scroll bar takes its room from the viewport once it shows.
  int available = viewport()->width();
  if (!verticalScrollBar()->isVisible() && verticalHeader()->length() > viewport()->height() &&
      viewport()->height() > 0)
    available -= verticalScrollBar()->sizeHint().width();
  const std::vector<int> widths = FitColumnWidths(needed, available, kLeastColumnWidth);
  for (size_t i = 0; i < shown.size(); ++i)
    setColumnWidth(shown[i], widths[i]);
}

QString MY_LIST_CONTROL::CutCellText(int row, int column) const {
  const QString text = model_.Text(row, column);
  if (text.isEmpty()) return {};
  const CellLook look = CellLookAt(row, column);
  int room = columnWidth(column) - 2 * kListTextMargin;
  if (!look.image.isNull())
    room -= look.image.deviceIndependentSize().toSize().width() + kListTextMargin;
  return QFontMetrics(look.font).horizontalAdvance(text) > room ? text : QString();
}

void MY_LIST_CONTROL::RemoveAllColumns() {
  needed_widths_.clear();
  given_widths_.clear();
  model_.RemoveAllColumns();
}

int MY_LIST_CONTROL::InsertItem(int row, const QString& text, int image, RowItem item) {
  return model_.InsertRow(row, text, image, item);
}

int MY_LIST_CONTROL::RowOf(const RowItem& item) const {
  if (item.IsEmpty()) return -1;
  for (int row = 0; row < RowCount(); ++row) {
    if (Item(row) == item) return row;
  }
  return -1;
}

void MY_LIST_CONTROL::SetItemText(int row, int column, const QString& text) {
  model_.SetText(row, column, text);
}

void MY_LIST_CONTROL::SetItemImage(int row, int column, int image) {
  model_.SetImage(row, column, image);
}

void MY_LIST_CONTROL::SetRows(std::vector<ListRow> rows) {
  model_.SetRows(std::move(rows));
}

void MY_LIST_CONTROL::ClearGroupStarts() {
  model_.ClearGroupStarts();
  viewport()->update();
}

void MY_LIST_CONTROL::AddGroupStart(int row) {
  model_.AddGroupStart(row);
  viewport()->update();
}

void MY_LIST_CONTROL::ClearGroupColours() {
  model_.ClearGroupColours();
  viewport()->update();
}

void MY_LIST_CONTROL::AddGroupColours(const GROUPE_LISTE& pair) {
  model_.AddGroupColours(pair);
  viewport()->update();
}

void MY_LIST_CONTROL::SetGroupHeadingsSpanRow(bool span) {
  headings_span_row_ = span;
  viewport()->update();
}

void MY_LIST_CONTROL::SetImageList(QList<QPixmap> images) {
  images_ = std::move(images);
  viewport()->update();
}

void MY_LIST_CONTROL::ClearSelection() {
  selectionModel()->clearSelection();
}

void MY_LIST_CONTROL::SelectItem(int row) {
  if (row < 0 || row >= RowCount()) return;
  const auto command = selectionMode() == QAbstractItemView::SingleSelection
                           ? QItemSelectionModel::ClearAndSelect
                           : QItemSelectionModel::Select;
  selectionModel()->select(model_.index(row, 0), command | QItemSelectionModel::Rows);
  selectionModel()->setCurrentIndex(model_.index(row, 0), QItemSelectionModel::NoUpdate);
}

std::vector<int> MY_LIST_CONTROL::SelectedRows() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

int MY_LIST_CONTROL::FirstSelectedRow() const {
  int first = -1;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    if (range.isValid() && (first < 0 || range.top() < first)) first = range.top();
  }
  return first;
}

void MY_LIST_CONTROL::SetShowSelectionAlways(bool always) {
  show_selection_always_ = always;
  viewport()->update();
}

void MY_LIST_CONTROL::ApplyColumns(const ListColumnModel& columns) {
  model_.RemoveAllRows();
  RemoveAllColumns();
  for (int i = 0; i < columns.Count(); ++i) {
    const ListColumn& column = columns.Column(i);
    InsertColumn(i, QString::fromStdString(column.title), column.alignment, column.width);
  }
  QHeaderView* header = horizontalHeader();
  const std::vector<int>& order = columns.DisplayOrder();
  for (int position = 0; position < static_cast<int>(order.size()); ++position)
    header->moveSection(header->visualIndex(order[static_cast<size_t>(position)]), position);
  for (int i = 0; i < columns.Count(); ++i)
    setColumnHidden(i, !columns.Column(i).shown);
}

void MY_LIST_CONTROL::ReadColumnLayout(ListColumnModel& columns) const {
  const QHeaderView* header = horizontalHeader();
  const int count = std::min(columns.Count(), ColumnCount());
  for (int i = 0; i < count; ++i) {
    // A hidden column keeps the width it had when it was last shown.
    if (!isColumnHidden(i)) columns.Column(i).width = columnWidth(i);
  }
  if (count != columns.Count()) return;
  std::vector<int> order;
  for (int position = 0; position < count; ++position)
    order.push_back(header->logicalIndex(position));
  columns.SetDisplayOrder(order);
}

void MY_LIST_CONTROL::SortRows(const ListColumnModel& columns, int year) {
  model_.Reorder(columns.SortedOrder(model_.Items(), year));
}

std::vector<int> MY_LIST_CONTROL::ShownColumnsInOrder() const {
  std::vector<int> shown;
  const QHeaderView* header = horizontalHeader();
  for (int position = 0; position < ColumnCount(); ++position) {
    const int column = header->logicalIndex(position);
    if (column >= 0 && !isColumnHidden(column)) shown.push_back(column);
  }
  return shown;
}

CellLook MY_LIST_CONTROL::CellLookAt(int row, int column) const {
  CellLook look;
  int content_column = column;
  if (headings_span_row_ && model_.IsGroupStartRow(row)) {
    // Every cell of the heading shows its own slice of one text laid out
    // from the row's first shown column to its last.
    content_column = 0;
    for (const int shown : ShownColumnsInOrder()) {
      if (shown == column) look.span_offset = look.span_width;
      look.span_width += columnWidth(shown);
    }
  }
  look.text = model_.Text(row, content_column);
  const int image = model_.data(model_.index(row, content_column), ListModel::kImageRole).toInt();
  if (image >= 0 && image < images_.size()) look.image = images_[image];
  look.font = model_.RowFont(row);
  look.alignment = model_.Alignment(content_column) == ColumnAlignment::kCentre
                       ? Qt::AlignHCenter | Qt::AlignVCenter
                       : Qt::AlignLeft | Qt::AlignVCenter;
  const bool highlighted =
      selectionModel()->isRowSelected(row, QModelIndex()) && (hasFocus() || show_selection_always_);
  if (highlighted) {
    look.foreground = kHighlightText;
    look.background = kHighlightBackground;
  } else {
    const Rgb colour = model_.RowBackground(row);
    look.foreground = Qt::black;
    look.background = QColor(colour.red, colour.green, colour.blue);
  }
  return look;
}

void MY_LIST_CONTROL::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  viewport()->update();
}

void MY_LIST_CONTROL::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->update();
}

void MY_LIST_CONTROL::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  if (columns_follow_contents_) FitColumns();
}

bool MY_LIST_CONTROL::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QString cut = index.isValid() ? CutCellText(index.row(), index.column()) : QString();
  if (cut.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), cut, viewport(), visualRect(index));
  }
  return true;
}

void MY_LIST_CONTROL::CheckSelection() {
  const int first = FirstSelectedRow();
  if (first == reported_row_) return;
  reported_row_ = first;
  emit SelectionNotified(first, Item(first));
}

void MY_LIST_CONTROL::UpdateRowHeight() {
  const int group_height = QFontMetrics(ListGroupFont()).height();
  const int row_height = QFontMetrics(ListRowFont()).height();
  // Every row has the same height, enough for a group heading's larger font.
  row_height_ = row_height_from_font_ ? group_height + 2 : std::max(row_height + 8, group_height);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(row_height_);
}

}  // namespace scorvane

#include "pages/finances/finance_list_view.h"

#include <QHeaderView>

#include "widgets/listview/list_control.h"

namespace scorvane {
namespace {

// Column widths in pixels, by list kind and column.
std::vector<int> ColumnWidths(FinanceListKind kind) {
  switch (kind) {
    case FinanceListKind::kGains:
      return {100, 220};
    case FinanceListKind::kPrizes:
      return {160, 200};
    case FinanceListKind::kExpenses:
      break;
  }
  return {100, 80, 185, 220, 150};
}

bool SameRecord(const ELEM_LISTE_FINANCES& a, const ELEM_LISTE_FINANCES& b) {
  return a.operation == b.operation && a.played == b.played && a.travel == b.travel;
}

}  // namespace

FinanceListView::FinanceListView(FinanceListKind kind, QWidget* parent)
    : kind_(kind),
      list_(new MY_LIST_CONTROL(/*multiple_selection=*/false, /*row_height_from_font=*/true,
                                parent)) {
  const GROUPE_LISTE pair =
      kind == FinanceListKind::kPrizes ? list_pairs::kYellow : list_pairs::kGreen;
  list_->SetDefaultColours(pair.a, pair.b);
  list_->SetShowSelectionAlways(true);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  // The last column takes the room left, so that no empty band follows the rows.
  list_->horizontalHeader()->setStretchLastSection(true);
  // Amounts, dates and names are shown whole while the list has room.
  list_->SetColumnsFollowContents(true);
  SetUpColumns();
}

void FinanceListView::SetUpColumns() {
  rows_.clear();
  list_->RemoveAllColumns();
  const std::vector<std::string> titles = FinanceColumnTitles(kind_);
  const std::vector<int> widths = ColumnWidths(kind_);
  for (size_t i = 0; i < titles.size(); ++i) {
    list_->InsertColumn(static_cast<int>(i), QString::fromStdString(titles[i]),
                        ColumnAlignment::kLeft, widths[i]);
  }
}

void FinanceListView::Show(std::vector<FinanceRow> rows) {
  const FinanceRow* selected = Selected();
  const bool had_selection = selected != nullptr;
  const ELEM_LISTE_FINANCES kept = had_selection ? selected->element : ELEM_LISTE_FINANCES{};
  rows_ = std::move(rows);
  std::vector<ListRow> shown;
  shown.reserve(rows_.size());
  int reselect = -1;
  for (size_t i = 0; i < rows_.size(); ++i) {
    ListRow row;
    for (const std::string& cell : rows_[i].Cells())
      row.texts.push_back(QString::fromStdString(cell));
    row.item = &rows_[i];
    if (had_selection && SameRecord(rows_[i].element, kept)) reselect = static_cast<int>(i);
    shown.push_back(std::move(row));
  }
  list_->SetRows(std::move(shown));
  if (reselect >= 0) list_->SelectItem(reselect);
}

const FinanceRow* FinanceListView::RowAt(int row) const {
  return list_->Item(row).As<const FinanceRow>();
}

const FinanceRow* FinanceListView::Selected() const {
  return RowAt(list_->FirstSelectedRow());
}

}  // namespace scorvane

#include "finances/operations_view.h"

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_format.h"

namespace scorvane {
namespace {

constexpr int kEntryFeesTitle = 549;
constexpr int kTravelTitle = 550;
constexpr int kCategoryTitle = 551;

bool Shows(const OperationsView& view, const FinanceRow& row) {
  switch (view.mode) {
    case OperationsView::kCategory:
      return row.element.operation && row.element.operation->Category() == view.category;
    case OperationsView::kTravelCosts:
      return row.element.IsEventRow() && row.element.travel;
    case OperationsView::kEntryFees:
      break;
  }
  return row.element.IsEventRow() && !row.element.travel;
}

}  // namespace

std::vector<FinanceRow> OperationsViewRows(const SAISON_JOUEUR& season,
                                           const OperationsView& view) {
  std::vector<FinanceRow> rows;
  for (FinanceRow& row : ExpenseRows(season)) {
    if (Shows(view, row)) rows.push_back(std::move(row));
  }
  return rows;
}

std::string OperationsViewTitle(const OperationsView& view) {
  switch (view.mode) {
    case OperationsView::kCategory:
      return FormatText(Msg(kCategoryTitle), {view.category ? view.category->Name() : ""});
    case OperationsView::kTravelCosts:
      return Msg(kTravelTitle);
    case OperationsView::kEntryFees:
      break;
  }
  return Msg(kEntryFeesTitle);
}

std::string OperationsViewHeading(const OperationsView& view, const std::vector<FinanceRow>& rows) {
  return FormatText("%s : %s %s", {OperationsViewTitle(view),
                                   Currency::FormatCents(RowsTotal(rows), Currency::Style::kNumber),
                                   Currency::Name()});
}

}  // namespace scorvane

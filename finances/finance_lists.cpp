#include "finances/finance_lists.h"

#include <algorithm>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_compare.h"
#include "base/text_format.h"
#include "records/palmares.h"

namespace scorvane {
namespace {

constexpr int kAmountTitle = 311;
constexpr int kEventTitle = 16;
constexpr int kPrizesTitle = 312;
constexpr int kDateTitle = 313;
constexpr int kCategoryTitle = 314;
constexpr int kPurchaseTitle = 315;
constexpr int kDebtorTitle = 316;
constexpr int kEventsCosts = 309;
constexpr int kTravellingExpenses = 310;

const List<EPREUVE_JOUEE*>* PlayedEvents(const SAISON_JOUEUR& season) {
  return season.Palmares() ? &season.Palmares()->PlayedEvents() : nullptr;
}

std::string EventName(const EPREUVE_JOUEE& played) {
  return played.Event() ? played.Event()->Name() : std::string();
}

std::string CategoryName(const OPERATION_FINANCIERE& operation) {
  return operation.Category() ? operation.Category()->Name() : std::string();
}

FinanceRow OperationRow(FinanceListKind list, OPERATION_FINANCIERE* operation) {
  FinanceRow row;
  row.element.list = list;
  row.element.operation = operation;
  row.amount = operation->Amount();
  row.date = operation->Date();
  row.category = CategoryName(*operation);
  row.purpose = operation->Purpose();
  row.payee = operation->Payee();
  return row;
}

FinanceRow EventRow(FinanceListKind list, EPREUVE_JOUEE* played) {
  FinanceRow row;
  row.element.list = list;
  row.element.played = played;
  row.date = played->StartDate();
  return row;
}

void SortByDate(std::vector<FinanceRow>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const FinanceRow& a, const FinanceRow& b) {
    return a.date.IsBefore(b.date);
  });
}

const std::string& TextOf(const FinanceRow& row, ExpenseColumn column) {
  switch (column) {
    case ExpenseColumn::kCategory:
      return row.category;
    case ExpenseColumn::kPurchase:
      return row.purpose;
    default:
      return row.payee;
  }
}

}  // namespace

std::vector<std::string> FinanceRow::Cells() const {
  const std::string amount_text = Currency::Format(amount, Currency::Style::kCurrency);
  switch (element.list) {
    case FinanceListKind::kGains:
      return {amount_text, category};
    case FinanceListKind::kPrizes:
      return {category, purpose};
    case FinanceListKind::kExpenses:
      break;
  }
  return {amount_text, date.Format(), category, purpose, payee};
}

std::vector<std::string> FinanceColumnTitles(FinanceListKind list) {
  const std::string amount = FormatText(Msg(kAmountTitle), {Currency::Symbol()});
  switch (list) {
    case FinanceListKind::kGains:
      return {amount, Msg(kEventTitle)};
    case FinanceListKind::kPrizes:
      return {Msg(kEventTitle), Msg(kPrizesTitle)};
    case FinanceListKind::kExpenses:
      break;
  }
  return {amount, Msg(kDateTitle), Msg(kCategoryTitle), Msg(kPurchaseTitle), Msg(kDebtorTitle)};
}

std::vector<FinanceRow> ExpenseRows(const SAISON_JOUEUR& season) {
  std::vector<FinanceRow> rows;
  if (const auto* events = PlayedEvents(season)) {
    for (EPREUVE_JOUEE* played : *events) {
      for (const bool travel : {false, true}) {
        const SOMME& amount = travel ? played->TravelExpenses() : played->EntryFee();
        if (amount.IsZero()) continue;
        FinanceRow row = EventRow(FinanceListKind::kExpenses, played);
        row.element.travel = travel;
        row.amount = amount;
        row.category = Msg(travel ? kTravellingExpenses : kEventsCosts);
        row.purpose = EventName(*played);
        row.payee = "-";
        rows.push_back(std::move(row));
      }
    }
  }
  for (OPERATION_FINANCIERE* operation : season.Finances().Expenses())
    rows.push_back(OperationRow(FinanceListKind::kExpenses, operation));
  return rows;
}

SeasonFinances BuildSeasonFinances(const SAISON_JOUEUR& season) {
  SeasonFinances money;
  money.year = season.Year();
  if (const auto* events = PlayedEvents(season)) {
    for (EPREUVE_JOUEE* played : *events) {
      if (!played->PrizeMoney().IsZero()) {
        FinanceRow row = EventRow(FinanceListKind::kGains, played);
        row.amount = played->PrizeMoney();
        row.category = EventName(*played);
        money.gains.push_back(std::move(row));
      }
      if (!played->Prizes().empty()) {
        FinanceRow row = EventRow(FinanceListKind::kPrizes, played);
        row.category = EventName(*played);
        row.purpose = played->Prizes();
        money.prizes.push_back(std::move(row));
      }
    }
  }
  for (OPERATION_FINANCIERE* operation : season.Finances().Gains())
    money.gains.push_back(OperationRow(FinanceListKind::kGains, operation));
  SortByDate(money.gains);
  SortByDate(money.prizes);
  money.expenses = ExpenseRows(season);
  money.gains_total = RowsTotal(money.gains);
  money.expenses_total = RowsTotal(money.expenses);
  return money;
}

void SortExpenseRows(std::vector<FinanceRow>& rows, ExpenseColumn column, bool ascending) {
  // Texts are turned into their sort keys once per row, not once per comparison.
  std::vector<std::string> keys;
  const bool by_text = column != ExpenseColumn::kAmount && column != ExpenseColumn::kDate;
  std::vector<size_t> order(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    order[i] = i;
    if (by_text) keys.push_back(ListKey(TextOf(rows[i], column)));
  }
  const auto compare = [&](size_t a, size_t b) -> int {
    switch (column) {
      case ExpenseColumn::kAmount: {
        const std::int64_t left = Currency::DisplayCents(rows[a].amount);
        const std::int64_t right = Currency::DisplayCents(rows[b].amount);
        return left < right ? -1 : (right < left ? 1 : 0);
      }
      case ExpenseColumn::kDate:
        return rows[a].date.IsBefore(rows[b].date) ? -1 : (rows[b].date.IsBefore(rows[a].date));
      default:
        return CompareListKeys(keys[a], keys[b]);
    }
  };
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const int result = compare(a, b);
    return ascending ? result < 0 : result > 0;
  });
  std::vector<FinanceRow> sorted;
  sorted.reserve(rows.size());
  for (const size_t index : order)
    sorted.push_back(std::move(rows[index]));
  rows = std::move(sorted);
}

std::int64_t RowsTotal(const std::vector<FinanceRow>& rows) {
  std::int64_t total = 0;
  for (const FinanceRow& row : rows)
    total += Currency::DisplayCents(row.amount);
  return total;
}

}  // namespace scorvane

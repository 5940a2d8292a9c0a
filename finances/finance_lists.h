// The three lists of a season's money as the finances page, its printout,
// the operations viewer and the command-line tool show them: gains (prize
// money of the events played and gain operations), prizes in kind, and
// expenses (entry fees and travel costs of the events played, and expense
// operations). Each row keeps the record it stands for, so that the page
// can edit or delete it, and the values it shows, so that it can be sorted
// and written out without going back to the records.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/amount.h"
#include "base/dates.h"
#include "records/event.h"
#include "records/finance_records.h"
#include "records/season.h"

namespace scorvane {

// Which list a row belongs to.
enum class FinanceListKind { kGains = 0, kPrizes = 1, kExpenses = 2 };

// The record behind one row: an operation, or a played event (whose prize
// money, prizes, entry fee or travel costs the row shows).
struct ELEM_LISTE_FINANCES {
  FinanceListKind list = FinanceListKind::kExpenses;
  OPERATION_FINANCIERE* operation = nullptr;
  EPREUVE_JOUEE* played = nullptr;
  // For an event row of the expenses list: the travel costs, else the entry fee.
  bool travel = false;

  bool IsEventRow() const { return played != nullptr; }
};

// One row with the values it shows.
struct FinanceRow {
  ELEM_LISTE_FINANCES element;
  // In francs; zero for prize rows.
  SOMME amount;
  // The operation's date, or the event's start date.
  DATE_SIMPLE date;
  // Gains: the event name (event rows) or the category name. Prizes: the
  // event name. Expenses: the category name, or "EVENTS COSTS" / "TRAVELLING
  // EXPENSES" for event rows.
  std::string category;
  // Expenses: the purpose, or the event name for event rows. Prizes: the
  // prizes text.
  std::string purpose;
  // Expenses: the payee, or "-" for event rows.
  std::string payee;

  // The cells of the row in the columns of its list (FinanceColumnTitles).
  std::vector<std::string> Cells() const;
};

// The column titles of a list, in the interface language and the display
// currency ("Amount E", "Event" for the gains...).
std::vector<std::string> FinanceColumnTitles(FinanceListKind list);

// The columns of the expenses list, as the sort knows them.
enum class ExpenseColumn { kAmount = 0, kDate = 1, kCategory = 2, kPurchase = 3, kDebtor = 4 };

// The money of one season, rows in the order the page shows them before any
// sort: gains and prizes by date (earlier first), expenses with the events
// first (in the season's order, the entry fee before the travel costs)
// then the operations in the order they were entered.
struct SeasonFinances {
  int year = 0;
  std::vector<FinanceRow> gains;
  std::vector<FinanceRow> prizes;
  std::vector<FinanceRow> expenses;
  // The season's totals as shown, in hundredths of the display currency:
  // each the sum of its rows as shown (the events' money included).
  std::int64_t gains_total = 0;
  std::int64_t expenses_total = 0;
};
SeasonFinances BuildSeasonFinances(const SAISON_JOUEUR& season);

// The expense rows of a season: the events' entry fees and travel costs
// that are not zero, then every expense operation.
std::vector<FinanceRow> ExpenseRows(const SAISON_JOUEUR& season);

// Sorts expense rows on a column: dates and amounts (as shown) by value,
// texts in the list order of texts (upper case, a text that begins a longer
// one after it), the reverse when descending. Equal rows keep their order.
void SortExpenseRows(std::vector<FinanceRow>& rows, ExpenseColumn column, bool ascending);

// The sum of the rows' amounts as shown, in hundredths of the display
// currency (Currency::FormatCents writes it).
std::int64_t RowsTotal(const std::vector<FinanceRow>& rows);

}  // namespace scorvane

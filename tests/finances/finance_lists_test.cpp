// Guards the rows of the finance lists: which records give rows and what
// they show, the order of each list and of every sort of the expenses, and
// totals equal to the season's own totals in either currency.
#include "finances/finance_lists.h"

#include <gtest/gtest.h>

#include "base/currency.h"
#include "tests/support/finance_document.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::BuildFinanceDocument;
using testing::CoreTest;
using testing::FinanceDocument;
using Cells = std::vector<std::vector<std::string>>;

Cells CellsOf(const std::vector<FinanceRow>& rows) {
  Cells cells;
  for (const FinanceRow& row : rows)
    cells.push_back(row.Cells());
  return cells;
}

class FinanceListsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    d_ = BuildFinanceDocument(Owner());
  }
  FinanceDocument d_;
};

TEST_F(FinanceListsTest, EveryListShowsItsRecordsAsThePageDoes) {
  const SeasonFinances money = BuildSeasonFinances(*d_.season);
  EXPECT_EQ(FinanceColumnTitles(FinanceListKind::kGains),
            (std::vector<std::string>{"Amount F", "Event"}));
  EXPECT_EQ(CellsOf(money.gains), (Cells{{"500.00 F", "Strings"}, {"300.00 F", "Open de Lyon"}}));
  EXPECT_EQ(CellsOf(money.prizes), (Cells{{"Open de Lyon", "Une coupe"}}));
  EXPECT_EQ(FinanceColumnTitles(FinanceListKind::kExpenses),
            (std::vector<std::string>{"Amount F", "Date", "Category", "Purchase", "Debtor"}));
  // An event with a fee and travel costs gives two rows sharing its date and name.
  EXPECT_EQ(CellsOf(money.expenses),
            (Cells{{"60.00 F", "12/02/2001", "EVENTS COSTS", "Tournoi de Caen", "-"},
                   {"80.00 F", "03/05/2001", "EVENTS COSTS", "Open de Lyon", "-"},
                   {"20.00 F", "03/05/2001", "TRAVELLING EXPENSES", "Open de Lyon", "-"},
                   {"120.00 F", "10/03/2001", "Balls", "Tubes", "MARTINEZ"},
                   {"45.00 F", "01/04/2001", "Strings", "Cordage", "MARTIN"}}));
  EXPECT_TRUE(money.expenses[2].element.travel);
  EXPECT_EQ(money.expenses[2].element.played, d_.lyon);
  EXPECT_EQ(money.expenses[3].element.operation, d_.balls_expense);
}

TEST_F(FinanceListsTest, ZeroAmountsAndEmptyPrizesGiveNoRow) {
  d_.lyon->SetTravelExpenses(SOMME());
  d_.lyon->SetPrizeMoney(SOMME());
  d_.lyon->SetPrizes("");
  const SeasonFinances money = BuildSeasonFinances(*d_.season);
  EXPECT_EQ(money.gains.size(), 1u);
  EXPECT_TRUE(money.prizes.empty());
  EXPECT_EQ(money.expenses.size(), 4u);
}

TEST_F(FinanceListsTest, ExpenseSortsFollowTheColumnAndItsDirection) {
  using enum ExpenseColumn;
  const struct {
    ExpenseColumn column;
    bool ascending;
    std::vector<std::string> purchases;
  } cases[] = {
      {kAmount, true, {"Open de Lyon", "Cordage", "Tournoi de Caen", "Open de Lyon", "Tubes"}},
      {kAmount, false, {"Tubes", "Open de Lyon", "Tournoi de Caen", "Cordage", "Open de Lyon"}},
      {kDate, true, {"Tournoi de Caen", "Tubes", "Cordage", "Open de Lyon", "Open de Lyon"}},
      // The events' costs take their place among the categories' names.
      {kCategory, true, {"Tubes", "Tournoi de Caen", "Open de Lyon", "Cordage", "Open de Lyon"}},
      {kPurchase, false, {"Tubes", "Tournoi de Caen", "Open de Lyon", "Open de Lyon", "Cordage"}},
      // A text that begins a longer one comes after it: MARTINEZ before MARTIN.
      {kDebtor, true, {"Tournoi de Caen", "Open de Lyon", "Open de Lyon", "Tubes", "Cordage"}},
      {kDebtor, false, {"Cordage", "Tubes", "Tournoi de Caen", "Open de Lyon", "Open de Lyon"}},
  };
  for (const auto& c : cases) {
    std::vector<FinanceRow> rows = ExpenseRows(*d_.season);
    SortExpenseRows(rows, c.column, c.ascending);
    std::vector<std::string> purchases;
    for (const FinanceRow& row : rows)
      purchases.push_back(row.purpose);
    EXPECT_EQ(purchases, c.purchases) << static_cast<int>(c.column) << " " << c.ascending;
  }
}

TEST_F(FinanceListsTest, TotalsAreTheSumsOfTheRowsAsShownInEitherCurrency) {
  // Amounts typed to the cent: the drifts of float sums showed in the totals.
  for (const int currency : {Currency::kFrancs, Currency::kEuros}) {
    Currency::SetCurrent(currency);
    for (const std::int64_t cents : {1LL, 1234LL, 9999999LL}) {
      auto added = std::make_unique<OPERATION_FINANCIERE>();
      added->SetAmount(SOMME(Currency::FrancsOfCents(cents)));
      d_.season->Finances().AddExpense(std::move(added));
    }
  }
  Currency::SetCurrent(Currency::kFrancs);
  EXPECT_EQ(BuildSeasonFinances(*d_.season).gains_total, 80000);
  // 325 F, then 0.01 + 12.34 + 99,999.99 F, then the same in euros (0.07 +
  // 80.95 + 655,956.88 F as shown in francs).
  EXPECT_EQ(BuildSeasonFinances(*d_.season).expenses_total,
            32500 + 1 + 1234 + 9999999 + 7 + 8095 + 65595688);
  // In euros: 49.55, then 0.00 + 1.88 + 15,244.90, then 0.01 + 12.34 + 99,999.99.
  Currency::SetCurrent(Currency::kEuros);
  EXPECT_EQ(BuildSeasonFinances(*d_.season).expenses_total,
            4955 + 0 + 188 + 1524490 + 1 + 1234 + 9999999);
}

TEST_F(FinanceListsTest, EuroModeShowsEurosWithTheEuroSymbol) {
  Currency::SetCurrent(Currency::kEuros);
  d_.balls_expense->SetAmount(SOMME(655.957f));
  const std::vector<FinanceRow> rows = ExpenseRows(*d_.season);
  EXPECT_EQ(rows[3].Cells()[0], "100.00 E");
  EXPECT_EQ(FinanceColumnTitles(FinanceListKind::kGains)[0], "Amount E");
}

}  // namespace
}  // namespace scorvane

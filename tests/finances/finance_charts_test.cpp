// Guards the finance charts and the operations viewer behind them: the
// values, ids, legends and labels of both charts, the grey value of a season
// without expenses, and what a click on each id lists.
#include "finances/finance_charts.h"

#include <gtest/gtest.h>

#include "base/currency.h"
#include "tests/support/finance_document.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::BuildFinanceDocument;
using testing::CoreTest;
using testing::FinanceDocument;

struct Value {
  std::int32_t value;
  std::int64_t id;
  std::string label;
  std::string legend;
  friend bool operator==(const Value&, const Value&) = default;
};

std::vector<Value> ValuesOf(const ChartModel& chart) {
  std::vector<Value> values;
  const GROUPE_DONNEES& series = *chart.Series(0);
  for (int i = 0; i < series.Count(); ++i) {
    values.push_back({series.ValueAt(i), series.IdAt(i), series.LabelAt(i)->text,
                      chart.LegendEntries()[static_cast<size_t>(i)].text});
  }
  return values;
}

class FinanceChartsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    d_ = BuildFinanceDocument(Owner());
  }
  std::int64_t IdOfCategory(const CATEGORIE_FINANCIERE* category) {
    int place = 0;
    for (const CATEGORIE_FINANCIERE* each : Owner().Categories()) {
      if (each == category) return kFirstCategoryId + place;
      ++place;
    }
    return -1;
  }
  FinanceDocument d_;
};

TEST_F(FinanceChartsTest, BothChartsShowTheEventsCostsThenEachCategory) {
  Currency::SetCurrent(Currency::kEuros);
  const std::vector<Value> expected = {
      // The rows as shown: 12.20 + 9.15 (the sum of the francs gave 21.34).
      {21, kEntryFeesId, " 21.35 E ", "EVENTS COSTS"},
      {3, kTravelCostsId, " 3.05 E ", "TRAVEL EXPENSES"},
      {18, IdOfCategory(d_.balls), " 18.29 E ", "Balls"},
      {7, IdOfCategory(d_.strings), " 6.86 E ", "Strings"},
  };
  ChartModel pie;
  BuildFinanceChart(pie, FinanceChart::kExpenses, Owner(), *d_.season);
  EXPECT_EQ(ValuesOf(pie), expected);

  ChartModel bars;
  BuildFinanceChart(bars, FinanceChart::kExpensesPerCategory, Owner(), *d_.season);
  EXPECT_EQ(ValuesOf(bars), expected);
  EXPECT_EQ(bars.ValueAxis().title, "         E");
  EXPECT_EQ(bars.ValueAxis().label_interval, 2);  // at most ten graduations up to 21
}

TEST_F(FinanceChartsTest, OnlyEventCostsOrNoExpenseAtAll) {
  for (OPERATION_FINANCIERE* operation : {d_.balls_expense, d_.strings_expense})
    d_.season->Finances().RemoveExpense(operation);
  ChartModel chart;
  BuildFinanceChart(chart, FinanceChart::kExpenses, Owner(), *d_.season);
  EXPECT_EQ(ValuesOf(chart),
            (std::vector<Value>{{140, kEntryFeesId, " 140.00 F ", "EVENTS COSTS"},
                                {20, kTravelCostsId, " 20.00 F ", "TRAVEL EXPENSES"}}));

  for (EPREUVE_JOUEE* played : {d_.lyon, d_.caen}) {
    played->SetEntryFee(SOMME());
    played->SetTravelExpenses(SOMME());
  }
  BuildFinanceChart(chart, FinanceChart::kExpenses, Owner(), *d_.season);
  ASSERT_EQ(chart.Series(0)->Count(), 1);
  EXPECT_EQ(chart.Series(0)->ValueAt(0), 1);
  EXPECT_FALSE(ViewOfChartId(Owner(), chart.Series(0)->IdAt(0)));
  ASSERT_EQ(chart.LegendEntries().size(), 2u);
  EXPECT_EQ(chart.LegendEntries()[0].text, "<NO   ");
  EXPECT_EQ(chart.LegendEntries()[1].text, "EXPENSE>");
}

TEST_F(FinanceChartsTest, EachIdOpensTheOperationsBehindIt) {
  const struct {
    std::int64_t id;
    const char* heading;
    std::vector<std::string> purchases;
  } cases[] = {
      {kEntryFeesId, "Events costs : 140.00 F", {"Tournoi de Caen", "Open de Lyon"}},
      {kTravelCostsId, "Travelling expenses for events : 20.00 F", {"Open de Lyon"}},
      {IdOfCategory(d_.strings), "Financial category Strings operations : 45.00 F", {"Cordage"}},
      {IdOfCategory(d_.balls), "Financial category Balls operations : 120.00 F", {"Tubes"}},
  };
  for (const auto& c : cases) {
    const std::optional<OperationsView> view = ViewOfChartId(Owner(), c.id);
    ASSERT_TRUE(view) << c.heading;
    const std::vector<FinanceRow> rows = OperationsViewRows(*d_.season, *view);
    std::vector<std::string> purchases;
    for (const FinanceRow& row : rows)
      purchases.push_back(row.purpose);
    EXPECT_EQ(purchases, c.purchases);
    EXPECT_EQ(OperationsViewHeading(*view, rows), c.heading);
  }
  EXPECT_FALSE(ViewOfChartId(Owner(), kFirstCategoryId + Owner().Categories().Count()));
  EXPECT_FALSE(ViewOfChartId(Owner(), 0));
}

}  // namespace
}  // namespace scorvane

// The finance charts of the active season: how its expenses split between
// the events' entry fees, their travel costs and the categories of the
// expense operations, as a pie ("Expenses") or as bars ("Expenses per
// category"). Every value carries an id that tells what a click on it
// opens: the entry fees, the travel costs or the operations of one category.
// Amounts become the chart's whole numbers rounded to the nearest whole unit
// of the display currency.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "finances/operations_view.h"
#include "stats/chart/chart_model.h"

namespace scorvane {

// One category met among the season's expense operations, with the total
// of its operations as shown: the sum of their amounts in hundredths of the
// display currency.
struct UTILISATION_CATEGORIE {
  CATEGORIE_FINANCIERE* category = nullptr;
  std::int64_t total_cents = 0;
};

// The season's expenses by source, each the sum of its rows as shown (in
// hundredths of the display currency): the events' entry fees and travel
// costs apart, then the categories in the order first met.
struct ExpenseTally {
  std::int64_t entry_fees_cents = 0;
  std::int64_t travel_cents = 0;
  std::vector<UTILISATION_CATEGORIE> categories;
};
ExpenseTally TallyExpenses(const SAISON_JOUEUR& season);

// The two charts, in the order of the dialog's list.
enum class FinanceChart { kExpenses = 0, kExpensesPerCategory = 1 };
inline constexpr int kFinanceChartCount = 2;
// "Expenses", "Expenses per category".
std::string FinanceChartName(FinanceChart chart);

// Ids of the values: the travel costs, the entry fees, and for a category
// kFirstCategoryId plus its place in the document's list of categories.
inline constexpr std::int64_t kTravelCostsId = 1;
inline constexpr std::int64_t kEntryFeesId = 2;
inline constexpr std::int64_t kFirstCategoryId = 3;

inline constexpr Rgb kNoExpenseColour{132, 146, 156};

// Fills the chart for the owner's season. A season without any expense
// shows one grey value of 1 with the legend "<NO   " / "EXPENSE>" (id 0).
void BuildFinanceChart(ChartModel& chart, FinanceChart which, const UTILISATEUR& owner,
                       const SAISON_JOUEUR& season);

// What a click on the value with this id opens, or nothing (the grey
// value, a category no longer in the document).
std::optional<OperationsView> ViewOfChartId(const UTILISATEUR& owner, std::int64_t id);

}  // namespace scorvane

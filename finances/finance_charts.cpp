#include "finances/finance_charts.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_format.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "stats/matches/chart_palette.h"
#include "stats/matches/chart_setup.h"

namespace scorvane {
namespace {

constexpr int kExpensesName = 481;
constexpr int kExpensesPerCategoryName = 482;
constexpr int kEventsCostsLegend = 483;
constexpr int kTravelLegend = 484;
constexpr int kNoExpenseFirstLine = 485;
constexpr int kNoExpenseSecondLine = 486;
constexpr int kCategoriesAxis = 487;
constexpr Rgb kBlack{0, 0, 0};

// One value of the chart: what it is called in the legend, its amount as
// shown (hundredths of the display currency) and id.
struct ChartValue {
  std::string legend;
  std::int64_t cents = 0;
  std::int64_t id = 0;
};

std::vector<ChartValue> ValuesOf(const UTILISATEUR& owner, const SAISON_JOUEUR& season) {
  const ExpenseTally tally = TallyExpenses(season);
  // The id of a category is its place in the document's list.
  std::unordered_map<const CATEGORIE_FINANCIERE*, std::int64_t> ids;
  std::int64_t place = 0;
  for (const CATEGORIE_FINANCIERE* category : owner.Categories())
    ids.emplace(category, kFirstCategoryId + place++);
  const auto IdOf = [&ids](const CATEGORIE_FINANCIERE* category) -> std::int64_t {
    const auto found = ids.find(category);
    return found == ids.end() ? 0 : found->second;
  };
  std::vector<ChartValue> values;
  if (tally.entry_fees_cents > 0)
    values.push_back({Msg(kEventsCostsLegend), tally.entry_fees_cents, kEntryFeesId});
  if (tally.travel_cents > 0)
    values.push_back({Msg(kTravelLegend), tally.travel_cents, kTravelCostsId});
  for (const UTILISATION_CATEGORIE& use : tally.categories) {
    values.push_back(
        {use.category ? use.category->Name() : std::string(), use.total_cents, IdOf(use.category)});
  }
  return values;
}

}  // namespace

ExpenseTally TallyExpenses(const SAISON_JOUEUR& season) {
  ExpenseTally tally;
  if (const PALMARES* palmares = season.Palmares()) {
    for (const EPREUVE_JOUEE* played : palmares->PlayedEvents()) {
      tally.entry_fees_cents += Currency::DisplayCents(played->EntryFee());
      tally.travel_cents += Currency::DisplayCents(played->TravelExpenses());
    }
  }
  // Where each category's entry is, so that a season of many operations
  // is tallied in one pass.
  std::unordered_map<const CATEGORIE_FINANCIERE*, size_t> places;
  for (const OPERATION_FINANCIERE* operation : season.Finances().Expenses()) {
    const auto [place, is_new] = places.emplace(operation->Category(), tally.categories.size());
    if (is_new) tally.categories.push_back({operation->Category(), 0});
    tally.categories[place->second].total_cents += Currency::DisplayCents(operation->Amount());
  }
  return tally;
}

std::string FinanceChartName(FinanceChart chart) {
  return Msg(chart == FinanceChart::kExpenses ? kExpensesName : kExpensesPerCategoryName);
}

void BuildFinanceChart(ChartModel& chart, FinanceChart which, const UTILISATEUR& owner,
                       const SAISON_JOUEUR& season) {
  StartChart(chart, std::string());
  chart.HideTitle();
  chart.SetLegendPosition(ChartModel::kLegendRight);
  if (which == FinanceChart::kExpenses) {
    MakePie(chart);
  } else {
    ChartAxis& categories = chart.CategoryAxis();
    categories.title = Msg(kCategoriesAxis);
    categories.title_shown = true;
    // The legend names the bars; numbers under them would tell nothing.
    categories.label_interval = 0;
    ChartAxis& amounts = chart.ValueAxis();
    amounts.title = "         " + Currency::Symbol();
    amounts.title_shown = true;
  }
  GROUPE_DONNEES& series = AddSeries(chart);
  const std::vector<ChartValue> values = ValuesOf(owner, season);
  if (values.empty()) {
    AddValue(series, 1, 0, std::string(), kNoExpenseColour);
    chart.AddLegendEntry(INFO_LEGENDE::kColouredBox, kNoExpenseColour, Msg(kNoExpenseFirstLine),
                         kBlack);
    chart.AddLegendEntry(INFO_LEGENDE::kTextOnly, kNoExpenseColour, Msg(kNoExpenseSecondLine),
                         kBlack);
    return;
  }
  for (size_t index = 0; index < values.size(); ++index) {
    const ChartValue& value = values[index];
    const Rgb colour = PaletteColour(index);
    // Whole units rounded to the nearest (cents are never negative here).
    const auto whole = static_cast<std::int32_t>(
        std::min<std::int64_t>((value.cents + 50) / 100, std::numeric_limits<std::int32_t>::max()));
    AddValue(series, whole, value.id,
             FormatText(" %s ", {Currency::FormatCents(value.cents, Currency::Style::kCurrency)}),
             colour);
    chart.AddLegendEntry(INFO_LEGENDE::kColouredBox, colour, value.legend, kBlack);
  }
  if (which == FinanceChart::kExpensesPerCategory) SpaceGraduations(chart, series.Maximum());
}

std::optional<OperationsView> ViewOfChartId(const UTILISATEUR& owner, std::int64_t id) {
  if (id == kEntryFeesId) return OperationsView{OperationsView::kEntryFees, nullptr};
  if (id == kTravelCostsId) return OperationsView{OperationsView::kTravelCosts, nullptr};
  if (id < kFirstCategoryId || id - kFirstCategoryId >= owner.Categories().Count())
    return std::nullopt;
  const int index = static_cast<int>(id - kFirstCategoryId);
  return OperationsView{OperationsView::kCategory, owner.Categories().At(index)};
}

}  // namespace scorvane

#include "finances/finance_charts.h"

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

// One value of the chart: what it is called in the legend, its amount and id.
struct ChartValue {
  std::string legend;
  SOMME amount;
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
  if (tally.entry_fees.Get() > 0)
    values.push_back({Msg(kEventsCostsLegend), tally.entry_fees, kEntryFeesId});
  if (tally.travel.Get() > 0) values.push_back({Msg(kTravelLegend), tally.travel, kTravelCostsId});
  for (const UTILISATION_CATEGORIE& use : tally.categories) {
    values.push_back(
        {use.category ? use.category->Name() : std::string(), use.total, IdOf(use.category)});
  }
  return values;
}

}  // namespace

ExpenseTally TallyExpenses(const SAISON_JOUEUR& season) {
  ExpenseTally tally;
  float fees = 0.0f;
  float travel = 0.0f;
  if (const PALMARES* palmares = season.Palmares()) {
    for (const EPREUVE_JOUEE* played : palmares->PlayedEvents()) {
      fees += played->EntryFee().Get();
      travel += played->TravelExpenses().Get();
    }
  }
  tally.entry_fees = SOMME(fees);
  tally.travel = SOMME(travel);
  // Where each category's entry is, so that a season of many operations
  // is tallied in one pass.
  std::unordered_map<const CATEGORIE_FINANCIERE*, size_t> places;
  for (const OPERATION_FINANCIERE* operation : season.Finances().Expenses()) {
    const auto [place, is_new] = places.emplace(operation->Category(), tally.categories.size());
    if (is_new) tally.categories.push_back({operation->Category(), SOMME()});
    SOMME& total = tally.categories[place->second].total;
    total.Set(total.Get() + operation->Amount().Get());
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
    AddValue(series, Currency::WholeDisplayUnits(value.amount), value.id,
             FormatText(" %s ", {Currency::Format(value.amount, Currency::Style::kCurrency)}),
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

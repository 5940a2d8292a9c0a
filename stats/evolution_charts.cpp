#include "stats/evolution_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "base/catalogue/messages.h"
#include "base/currency.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"
#include "stats/matches/chart_setup.h"

namespace scorvane {
namespace {

// The tournaments of a season: distinct played events holding a
// homologated match.
constexpr uint32_t kMaskHomologatedMatches = 16;

// A chart of one value per year: no legend, years under the bars, each
// value and year label clickable with the year.
void StartSeasonChart(ChartModel& chart, int title, bool line) {
  chart.Clear();
  chart.SetKind(ChartModel::kBars, line, !line, false);
  chart.SetTitle(Msg(title), ChartModel::kTitleBottom);
  chart.SetLegendPosition(ChartModel::kNoLegend);
  chart.SetArrangement(ChartModel::kClustered);
  chart.CategoryAxis().title = Msg(103);
  chart.ValueAxis().title_shown = true;
}

void AddYearLabels(ChartModel& chart, const std::vector<int>& years) {
  for (size_t i = 0; i < years.size(); ++i) {
    chart.CategoryAxis().AddLabel(static_cast<int64_t>(i), FormatText("%d", {years[i]}), false,
                                  years[i]);
  }
}

std::string CountLabel(int count) {
  return count == 0 ? std::string() : FormatText(" %d ", {count});
}

std::string AmountLabel(const SOMME& amount) {
  if (Currency::WholeDisplayUnits(amount) == 0) return {};
  return Currency::Format(amount, Currency::Style::kCurrency);
}

}  // namespace

std::vector<int> SeasonChartYears(const UTILISATEUR& owner) {
  int first = 0;
  int last = 0;
  for (const SAISON_JOUEUR* season : owner.Seasons()) {
    const int year = season->Year();
    if (year < ANNEE::kMin || year > ANNEE::kMax) continue;
    if (first == 0 || year < first) first = year;
    if (last == 0 || year > last) last = year;
  }
  std::vector<int> years;
  if (first == 0) return years;
  for (int year = first; year <= last; ++year)
    years.push_back(year);
  return years;
}

int RankingAxisInterval(int64_t steps) {
  int64_t interval = 1;
  for (int64_t limit = 20; limit <= 2000000 && steps >= limit; limit *= 10)
    interval *= 10;
  return static_cast<int>(std::min<int64_t>(interval, 100000));
}

void BuildRankingEvolution(ChartModel& chart, const JOUEUR& player, const std::string& title) {
  chart.Clear();
  chart.SetKind(ChartModel::kBars, true, false, false);
  chart.SetTitle(title, ChartModel::kTitleBottom);
  chart.SetLegendPosition(ChartModel::kNoLegend);
  chart.CategoryAxis().title_shown = false;
  chart.ValueAxis().title_shown = false;
  const HISTORIQUE_CLASSEMENTS& history = player.History();
  if (history.IsEmpty()) return;

  const CLASSEMENT worst = history.WorstEntry()->Ranking();
  const CLASSEMENT best = history.BestEntry()->Ranking();
  const auto steps_above_worst = [&worst](const CLASSEMENT& ranking) {
    return std::llabs(int64_t{ranking.Value()} - worst.Value());
  };
  const int64_t span = steps_above_worst(best);
  const int interval = RankingAxisInterval(span);
  chart.ValueAxis().tick_interval = interval;
  chart.ValueAxis().label_interval = interval;

  const bool yearly = ActiveSystem().IsYearly();
  auto series = std::make_unique<GROUPE_DONNEES>();
  series->AddColour(kEvolutionColour);
  // The entry whose point stands at each height, for the labels of a short span.
  std::vector<int64_t> entry_at_height(span < 20 ? static_cast<size_t>(span + 1) : 0, -1);
  int index = 0;
  for (const CLASSEMENT_DATE* entry : history.Entries()) {
    const int64_t height = steps_above_worst(entry->Ranking());
    series->AddValue(static_cast<int32_t>(height), index);
    chart.CategoryAxis().AddLabel(
        index, yearly ? FormatText("%d", {entry->Date().Year()}) : entry->Date().Format(), true,
        index);
    if (span >= 20) {
      chart.ValueAxis().AddLabel(height, entry->Ranking().Text(), false, index);
    } else if (entry_at_height[static_cast<size_t>(height)] < 0) {
      entry_at_height[static_cast<size_t>(height)] = index;
    }
    ++index;
  }
  // A short span names every ranking from the worse end to the better one.
  const int direction = best.Value() >= worst.Value() ? 1 : -1;
  for (int64_t height = 0; height < static_cast<int64_t>(entry_at_height.size()); ++height) {
    const CLASSEMENT ranking(static_cast<int32_t>(worst.Value() + direction * height));
    chart.ValueAxis().AddLabel(height, ranking.Text(), false,
                               entry_at_height[static_cast<size_t>(height)]);
  }
  chart.AddSeries(std::move(series));
}

void BuildMatchesPlayed(ChartModel& chart, const UTILISATEUR& owner) {
  StartSeasonChart(chart, 239, false);
  chart.SetArrangement(ChartModel::kStackedByCategory);
  chart.SetLegendPosition(ChartModel::kLegendRight);
  chart.ValueAxis().title = Msg(101);
  chart.AddLegendEntry(INFO_LEGENDE::kColouredBox, kDefeatColour, Msg(100), Rgb());
  chart.AddLegendEntry(INFO_LEGENDE::kColouredBox, kVictoryColour, Msg(99), Rgb());
  auto won = std::make_unique<GROUPE_DONNEES>();
  auto lost = std::make_unique<GROUPE_DONNEES>();
  won->AddColour(kVictoryColour);
  lost->AddColour(kDefeatColour);
  const std::vector<int> years = SeasonChartYears(owner);
  for (const int year : years) {
    const SAISON_JOUEUR* season = owner.FindSeason(year);
    const PALMARES* palmares = season ? season->Palmares() : nullptr;
    const int wins = palmares ? palmares->Count(kMaskSinglesWon) : 0;
    const int defeats = palmares ? palmares->Count(kMaskHomologatedSingles) - wins : 0;
    won->AddValue(wins, year);
    won->AddLabel(CountLabel(wins), false);
    lost->AddValue(defeats, year);
    lost->AddLabel(CountLabel(defeats), false);
  }
  AddYearLabels(chart, years);
  int64_t most = 0;
  for (int i = 0; i < won->Count(); ++i)
    most = std::max<int64_t>(most, int64_t{won->ValueAt(i)} + lost->ValueAt(i));
  SpaceGraduations(chart, most);
  chart.AddSeries(std::move(won));
  chart.AddSeries(std::move(lost));
}

void BuildTournamentsPlayed(ChartModel& chart, const UTILISATEUR& owner) {
  StartSeasonChart(chart, 241, true);
  chart.ValueAxis().title = Msg(104);
  auto series = std::make_unique<GROUPE_DONNEES>();
  series->AddColour(kEvolutionColour);
  const std::vector<int> years = SeasonChartYears(owner);
  const MatchMask mask = MatchMask::FromNumber(kMaskHomologatedMatches);
  for (const int year : years) {
    const SAISON_JOUEUR* season = owner.FindSeason(year);
    const PALMARES* palmares = season ? season->Palmares() : nullptr;
    const int tournaments = palmares ? palmares->CountTournaments(mask) : 0;
    series->AddValue(tournaments, year);
    series->AddLabel(season ? FormatText(" %d ", {tournaments}) : std::string(), false);
  }
  AddYearLabels(chart, years);
  SpaceGraduations(chart, series->Maximum());
  chart.AddSeries(std::move(series));
}

void BuildFinancialEvolution(ChartModel& chart, const UTILISATEUR& owner) {
  StartSeasonChart(chart, 243, false);
  chart.SetLegendPosition(ChartModel::kLegendRight);
  chart.ValueAxis().title = "         " + Currency::Symbol();
  const std::string currency = Currency::Name();
  chart.AddLegendEntry(INFO_LEGENDE::kColouredBox, kGainsColour, FormatText(Msg(118), {currency}),
                       Rgb());
  chart.AddLegendEntry(INFO_LEGENDE::kColouredBox, kExpensesColour,
                       FormatText(Msg(119), {currency}), Rgb());
  auto gains = std::make_unique<GROUPE_DONNEES>();
  auto expenses = std::make_unique<GROUPE_DONNEES>();
  gains->AddColour(kGainsColour);
  expenses->AddColour(kExpensesColour);
  const std::vector<int> years = SeasonChartYears(owner);
  for (const int year : years) {
    const SAISON_JOUEUR* season = owner.FindSeason(year);
    const SOMME earned = season ? season->GetGains() : SOMME();
    const SOMME spent = season ? season->GetExpenses() : SOMME();
    gains->AddValue(Currency::WholeDisplayUnits(earned), year);
    gains->AddLabel(AmountLabel(earned), false);
    expenses->AddValue(Currency::WholeDisplayUnits(spent), year);
    expenses->AddLabel(AmountLabel(spent), false);
  }
  AddYearLabels(chart, years);
  SpaceGraduations(chart, std::max(gains->Maximum(), expenses->Maximum()));
  chart.AddSeries(std::move(gains));
  chart.AddSeries(std::move(expenses));
}

void BuildSeasonChart(ChartModel& chart, SeasonChart which, const UTILISATEUR& owner) {
  switch (which) {
    case SeasonChart::kRankingEvolution:
      BuildRankingEvolution(chart, owner, Msg(237));
      return;
    case SeasonChart::kMatchesPlayed:
      BuildMatchesPlayed(chart, owner);
      return;
    case SeasonChart::kTournamentsPlayed:
      BuildTournamentsPlayed(chart, owner);
      return;
    case SeasonChart::kFinancialEvolution:
      BuildFinancialEvolution(chart, owner);
      return;
  }
}

}  // namespace scorvane

// The statistics page's list of charts, the selection of the matches, and
// the two won/lost charts: the pie of all results and the bars by opponent
// ranking.
#include "stats/matches/statistics_charts.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "records/owner.h"
#include "records/season.h"
#include "stats/matches/chart_palette.h"
#include "stats/matches/chart_setup.h"
#include "stats/matches/match_source.h"
#include "stats/matches/ranking_categories.h"
#include "stats/matches/statistics_chart_parts.h"

namespace scorvane {
namespace {

constexpr int kChartNames[kStatisticsChartCount] = {332, 333, 334, 335, 336, 337, 368, 369, 370};
constexpr int kMsgSelectedMatches = 410;
constexpr int kMsgWonWith = 408;
constexpr int kMsgLostWith = 409;

}  // namespace

namespace statistics_charts {

void AddWonLostLegend(ChartModel& model) {
  model.SetLegendPosition(ChartModel::kLegendRight);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kVictoryColour, Msg(kMsgMatchesWon), Rgb());
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, kDefeatColour, Msg(kMsgMatchesLost), Rgb());
}

void ShowPercentAxis(ChartModel& model) {
  ChartAxis& axis = model.ValueAxis();
  axis.title = Msg(kMsgSuccess);
  axis.title_shown = true;
  axis.tick_interval = 5;
  axis.grid_interval = 10;
  axis.label_interval = 10;
}

MatchGroups WonLost(const Rows& selected, ChartModel& model) {
  MakePie(model);
  MatchGroups groups = {{Msg(kMsgMatchesWon), 1, {}}, {Msg(kMsgMatchesLost), 2, {}}};
  for (const MatchFacts* match : selected)
    groups[match->won ? 0 : 1].matches.push_back(match->match);
  const int won = static_cast<int>(groups[0].matches.size());
  const int lost = static_cast<int>(groups[1].matches.size());
  const int won_percent = Percentage(won, won + lost);
  const int lost_percent = won + lost == 0 ? 0 : 100 - won_percent;

  GROUPE_DONNEES& series = AddSeries(model);
  const auto slice = [&](int count, int percent, const GROUPE_RENCONTRES& group, Rgb colour) {
    if (count == 0) return;
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, colour,
                         FormatText("%s (%d%%) ", {group.label, percent}), Rgb());
    AddValue(series, count, group.id, CountLabel(count), colour);
  };
  slice(won, won_percent, groups[0], kVictoryColour);
  slice(lost, lost_percent, groups[1], kDefeatColour);
  if (won + lost == 0) AddNoMatchSlice(series, kNoMatchColour);
  return groups;
}

void StartRankingBars(ChartModel& model) {
  model.SetArrangement(ChartModel::kStackedByCategory);
  model.SetFractions(0.8, 0.3);
  AddWonLostLegend(model);
  model.ValueAxis().title = Msg(kMsgMatches);
  model.ValueAxis().title_shown = true;
  model.ValueAxis().grid_interval = 5;
  model.CategoryAxis().title = Msg(kMsgRanks);
  model.CategoryAxis().title_shown = true;
}

MatchGroups FillRankingBars(const Rows& selected, const RankingCategories& categories,
                            const GroupLabel& won_label, const GroupLabel& lost_label,
                            ChartModel& model) {
  GROUPE_DONNEES& won = AddSeries(model);
  GROUPE_DONNEES& lost = AddSeries(model);
  won.AddColour(kVictoryColour);
  lost.AddColour(kDefeatColour);
  if (categories.Count() == 0) {
    won.AddValue(0, 0);
    lost.AddValue(0, 0);
    return {};
  }

  MatchGroups groups;
  groups.reserve(static_cast<size_t>(categories.Count()) * 2);
  for (int k = 0; k < categories.Count(); ++k) {
    const RankingCategory category = categories.At(k);
    groups.push_back({won_label(category.label), 2 * k + 1, {}});
    groups.push_back({lost_label(category.label), 2 * k + 2, {}});
    model.CategoryAxis().AddLabel(k, category.axis_label, false, k);
  }
  for (const MatchFacts* match : selected) {
    const int k = categories.IndexOf(CLASSEMENT(match->opponent_side_ranking));
    if (k < 0) continue;
    groups[static_cast<size_t>(2 * k + (match->won ? 0 : 1))].matches.push_back(match->match);
  }
  for (size_t i = 0; i < groups.size(); ++i) {
    const int count = static_cast<int>(groups[i].matches.size());
    GROUPE_DONNEES& series = i % 2 == 0 ? won : lost;
    series.AddValue(count, groups[i].id);
    series.AddLabel(CountOrEmptyLabel(count), false);
  }
  return groups;
}

MatchGroups PlayedRanks(const std::vector<MatchFacts>& all, const Rows& selected,
                        const UTILISATEUR& owner, ChartModel& model) {
  StartRankingBars(model);
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  if (!season || !season->Palmares()) return {};

  // The range is that of the opponents met in the active season, one step
  // further on the better side.
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  bool found = false;
  CLASSEMENT best, worst;
  for (const MatchFacts& match : all) {
    if (match.season != season) continue;
    const CLASSEMENT ranking(match.opponent_side_ranking);
    if (!system.IsValid(ranking.Value())) continue;
    if (!found || ranking.IsBetterThan(best)) best = ranking;
    if (!found || ranking.IsWorseThan(worst)) worst = ranking;
    found = true;
  }
  if (!found) best = worst = owner.History().RankingForYear(season->Year());
  const RankingCategories categories = RankingCategories::Between(best.OneStepBetter(), worst);
  if (categories.Grouped()) model.SetTitle(" ", ChartModel::kTitleBottom);
  const auto label = [](int message) {
    return [message](const std::string& name) { return FormatText(Msg(message), {name}); };
  };
  return FillRankingBars(selected, categories, label(kMsgWonWith), label(kMsgLostWith), model);
}

}  // namespace statistics_charts

std::string StatisticsChartName(int chart) {
  if (chart < 0 || chart >= kStatisticsChartCount) chart = kWonLostChart;
  return Msg(kChartNames[chart]);
}

std::vector<MatchFacts> GatherOwnerFacts(const UTILISATEUR& owner) {
  return GatherFacts(OwnerMatches(owner), owner);
}

StatisticsSelection SelectMatches(const std::vector<MatchFacts>& all,
                                  const StatisticsFilter& filter) {
  StatisticsSelection selection;
  selection.total = static_cast<int>(all.size());
  for (const MatchFacts& match : all) {
    if (PassesFilter(filter, match)) selection.selected.push_back(&match);
  }
  return selection;
}

std::string SelectedCountText(int selected, int total) {
  return FormatText("%s : %d / %d", {Msg(kMsgSelectedMatches), selected, total});
}

MatchGroups BuildStatisticsChart(int chart, const std::vector<MatchFacts>& all,
                                 const std::vector<const MatchFacts*>& selected,
                                 const UTILISATEUR& owner, ChartModel& model) {
  using namespace statistics_charts;
  if (chart < 0 || chart >= kStatisticsChartCount) chart = kWonLostChart;
  StartChart(model, StatisticsChartName(chart));
  switch (chart) {
    case kPlayedRanksChart:
      return PlayedRanks(all, selected, owner, model);
    case kPlayedSurfacesChart:
      return PlayedSurfaces(selected, StatisticsSurfaceLabels(), model);
    case kSurfaceSuccessChart:
      return SurfaceSuccess(selected, model);
    case kSurfaceResultsChart:
      return SurfaceResults(selected, StatisticsSurfaceLabels(), model);
    case kTiebreaksChart:
      return Tiebreaks(selected, model);
    case kSetsChart:
      return Sets(selected, model);
    case kWinDifficultyChart:
      return Difficulty(selected, true, model);
    case kLoseDifficultyChart:
      return Difficulty(selected, false, model);
    default:
      return WonLost(selected, model);
  }
}

}  // namespace scorvane

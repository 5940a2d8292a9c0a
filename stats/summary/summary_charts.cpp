#include "stats/summary/summary_charts.h"

#include <algorithm>
#include <array>

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "ranking/ranking_registry.h"
#include "stats/matches/chart_palette.h"
#include "stats/matches/chart_setup.h"
#include "stats/matches/ranking_categories.h"
#include "stats/matches/statistics_chart_parts.h"

namespace scorvane {
namespace {

using statistics_charts::GroupLabel;
using statistics_charts::Rows;

enum : int {
  kMsgFirstChart = 162,
  kMsgLostWithRanking = 167,
  kMsgWonWithRanking = 168,
  kMsgLostInMonth = 169,
  kMsgWonInMonth = 170,
  kMsgPlayedOn = 171,
  kMsgWonOn = 172,
  kMsgLostOn = 173,
  kMsgInYear = 186,
  kMsgFirstMonth = 58,
  kMsgNoMatchStart = 96,
  kMsgNoMatchEnd = 97,
  kMsgMatches = 101,
};

// A group title from a name and the season's year, in the order the
// message asks for them.
GroupLabel NameThenYear(int message, int year) {
  return [message, year](const std::string& name) {
    return FormatText(Msg(message), {name, year});
  };
}
GroupLabel YearThenName(int message, int year) {
  return [message, year](const std::string& name) {
    return FormatText(Msg(message), {year, name});
  };
}

// A value axis counting matches, graduated for the largest count shown.
void CountAxis(ChartModel& model, int largest) {
  ChartAxis& axis = model.ValueAxis();
  axis.title = Msg(kMsgMatches);
  axis.title_shown = true;
  axis.label_interval = largest <= 10 ? 1 : largest <= 50 ? 5 : 10;
  axis.grid_interval = axis.label_interval > 1 ? axis.label_interval : 0;
  axis.tick_interval = largest <= 50 ? 1 : 5;
}

int LargestValue(const ChartModel& model) {
  int largest = 0;
  for (int i = 0; i < model.SeriesCount(); ++i)
    largest = std::max(largest, model.Series(i)->Maximum());
  return largest;
}

// A long axis label on two lines, cut at the blank nearest its middle.
std::string OnTwoLines(std::string text) {
  const size_t middle = text.size() / 2;
  const size_t before = text.rfind(' ', middle);
  const size_t after = text.find(' ', middle);
  size_t cut = before;
  if (cut == std::string::npos || (after != std::string::npos && after - middle < middle - cut)) {
    cut = after;
  }
  if (cut != std::string::npos) text[cut] = '\n';
  return text;
}

MatchGroups PlayedRanks(const Rows& selected, int year, ChartModel& model) {
  statistics_charts::StartRankingBars(model);
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  bool found = false;
  CLASSEMENT best, worst;
  for (const MatchFacts* match : selected) {
    const CLASSEMENT ranking(match->opponent_side_ranking);
    if (!system.IsValid(ranking.Value())) continue;
    if (!found || ranking.IsBetterThan(best)) best = ranking;
    if (!found || ranking.IsWorseThan(worst)) worst = ranking;
    found = true;
  }
  const RankingCategories categories =
      found ? RankingCategories::Between(best, worst) : RankingCategories();
  return statistics_charts::FillRankingBars(selected, categories,
                                            NameThenYear(kMsgWonWithRanking, year),
                                            NameThenYear(kMsgLostWithRanking, year), model);
}

// Six groups: won then lost, against a better, the same and a worse
// ranking than the owner's at the time of the match, compared as the match
// mask compares them (a match without a ranking compares as its value -1).
MatchGroups SignificantResults(const Rows& selected, int year, ChartModel& model) {
  model.SetFractions(0.6, 0.2);
  constexpr int kFirstBarLabel = 174;  // then pairs of bar label and group title
  MatchGroups groups(6);
  for (size_t i = 0; i < groups.size(); ++i) {
    groups[i].id = static_cast<std::int64_t>(i + 1);
    groups[i].label =
        FormatText(Msg(kMsgInYear), {Msg(kFirstBarLabel + 2 * static_cast<int>(i) + 1), year});
  }
  for (const MatchFacts* match : selected) {
    const CLASSEMENT opponent(match->opponent_side_ranking);
    const CLASSEMENT own(match->own_ranking);
    const size_t side = match->won ? 0 : 1;
    if (opponent.IsBetterThan(own)) groups[side].matches.push_back(match->match);
    if (opponent.Equals(own)) groups[2 + side].matches.push_back(match->match);
    if (opponent.IsWorseThan(own)) groups[4 + side].matches.push_back(match->match);
  }
  GROUPE_DONNEES& series = AddSeries(model);
  for (size_t i = 0; i < groups.size(); ++i) {
    const int count = static_cast<int>(groups[i].matches.size());
    AddValue(series, count, groups[i].id, count == 0 ? std::string() : FormatText(" %d", {count}),
             i % 2 == 0 ? kVictoryColour : kDefeatColour);
    std::string label = Msg(kFirstBarLabel + 2 * static_cast<int>(i));
    if (count == 0) label += ": 0";
    model.CategoryAxis().AddLabel(static_cast<std::int64_t>(i), OnTwoLines(label), false,
                                  groups[i].id);
  }
  CountAxis(model, LargestValue(model));
  return groups;
}

MatchGroups MonthlyResults(const Rows& selected, int year, ChartModel& model) {
  constexpr int kSlots = 24;
  std::array<std::array<std::vector<RENCONTRE*>, 2>, kSlots> slots;  // won, lost
  int first = kSlots;
  int last = -1;
  for (const MatchFacts* match : selected) {
    const int month = std::clamp<int>(match->month, 1, 12);
    const int slot = match->year == year - 1 ? month - 1 : 12 + month - 1;
    slots[static_cast<size_t>(slot)][match->won ? 0 : 1].push_back(match->match);
    first = std::min(first, slot);
    last = std::max(last, slot);
  }
  if (last < 0) {
    first = 10;  // November before the season's year
    last = 22;   // to November of that year
  }
  if (last - first + 1 < 3) {
    if (first > 0) --first;
    if (last < 22) ++last;
  }

  model.SetFractions(0.6, 0.2);
  statistics_charts::AddWonLostLegend(model);
  GROUPE_DONNEES& won = AddSeries(model);
  GROUPE_DONNEES& lost = AddSeries(model);
  won.AddColour(kVictoryColour);
  lost.AddColour(kDefeatColour);
  MatchGroups groups;
  std::int64_t next_id = 0;
  for (int slot = first; slot <= last; ++slot) {
    // Some short names carry blanks for alignment; the chart needs none.
    std::string month_name = Msg(kMsgFirstMonth + slot % 12);
    while (!month_name.empty() && month_name.back() == ' ')
      month_name.pop_back();
    const std::string month = FormatText("%s %d", {month_name, slot < 12 ? year - 1 : year});
    model.CategoryAxis().AddLabel(slot - first, month_name, false, slot);
    for (int side = 0; side < 2; ++side) {
      std::vector<RENCONTRE*>& matches =
          slots[static_cast<size_t>(slot)][static_cast<size_t>(side)];
      const int count = static_cast<int>(matches.size());
      GROUPE_DONNEES& series = side == 0 ? won : lost;
      series.AddValue(count, next_id);
      series.AddLabel(CountOrEmptyLabel(count), false);
      groups.push_back(
          {FormatText(Msg(side == 0 ? kMsgWonInMonth : kMsgLostInMonth), {month, year}), next_id,
           std::move(matches)});
      ++next_id;
    }
  }
  CountAxis(model, LargestValue(model));
  return groups;
}

}  // namespace

std::string SummaryChartName(int chart) {
  if (chart < 0 || chart >= kSummaryChartCount) chart = kSummaryRanksChart;
  return Msg(kMsgFirstChart + chart);
}

MatchGroups BuildSummaryChart(int chart, const std::vector<const MatchFacts*>& selected, int year,
                              ChartModel& model) {
  using namespace statistics_charts;
  if (chart < 0 || chart >= kSummaryChartCount) chart = kSummaryRanksChart;
  StartChart(model, SummaryChartName(chart));
  SurfaceLabels labels;
  labels.played = YearThenName(kMsgPlayedOn, year);
  labels.won = YearThenName(kMsgWonOn, year);
  labels.lost = YearThenName(kMsgLostOn, year);
  labels.no_match = std::string(Msg(kMsgNoMatchStart)) + "\n" + Msg(kMsgNoMatchEnd);
  switch (chart) {
    case kSignificantResultsChart:
      return SignificantResults(selected, year, model);
    case kMonthlyResultsChart:
      return MonthlyResults(selected, year, model);
    case kSummarySurfacesChart:
      return PlayedSurfaces(selected, labels, model);
    case kSummarySurfaceResultsChart: {
      MatchGroups groups = SurfaceResults(selected, labels, model);
      CountAxis(model, LargestValue(model));
      return groups;
    }
    default:
      return PlayedRanks(selected, year, model);
  }
}

}  // namespace scorvane

// The nine charts of the statistics page, built in the core: each fills the
// chart model the widget draws and returns the groups of matches behind its
// clickable values.
#pragma once

#include <string>
#include <vector>

#include "stats/chart/chart_model.h"
#include "stats/matches/match_facts.h"
#include "stats/matches/match_filter.h"
#include "stats/matches/match_groups.h"

namespace scorvane {

class UTILISATEUR;

// The charts, in the order of the page's list.
enum StatisticsChart : int {
  kWonLostChart = 0,
  kPlayedRanksChart = 1,
  kPlayedSurfacesChart = 2,
  kSurfaceSuccessChart = 3,
  kSurfaceResultsChart = 4,
  kTiebreaksChart = 5,
  kSetsChart = 6,
  kWinDifficultyChart = 7,
  kLoseDifficultyChart = 8,
};
inline constexpr int kStatisticsChartCount = 9;

// The chart's name in the interface language (also its title).
std::string StatisticsChartName(int chart);

// The facts of every match of the owner, in the statistics' order: gathered
// when the document changes, read by every filter click.
std::vector<MatchFacts> GatherOwnerFacts(const UTILISATEUR& owner);

// The matches that pass the filter, and how many there are in all.
struct StatisticsSelection {
  std::vector<const MatchFacts*> selected;
  int total = 0;
};
StatisticsSelection SelectMatches(const std::vector<MatchFacts>& all,
                                  const StatisticsFilter& filter);

// "Selected matches : N / T" in the interface language.
std::string SelectedCountText(int selected, int total);

// Empties the model and fills it with chart `chart` (0..8; any other number
// builds chart 0) of the selected matches. "Played Ranks" takes its range
// from the owner's active season among `all`, whatever the filters.
MatchGroups BuildStatisticsChart(int chart, const std::vector<MatchFacts>& all,
                                 const std::vector<const MatchFacts*>& selected,
                                 const UTILISATEUR& owner, ChartModel& model);

}  // namespace scorvane

// The nine charts of the statistics page, built in the core: each fills the
// chart model the widget draws and returns the groups of matches behind its
// clickable values.
#pragma once

#include <string>
#include <vector>

#include "stats/chart/chart_model.h"
#include "stats/matches/match_filter.h"
#include "stats/matches/match_groups.h"

namespace scorvane {

class RENCONTRE;
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

// The owner's matches that pass the filter, in the statistics' order, and
// how many matches the owner has in all.
struct StatisticsSelection {
  std::vector<RENCONTRE*> selected;
  int total = 0;
};
StatisticsSelection SelectMatches(const UTILISATEUR& owner, const StatisticsFilter& filter);

// "Selected matches : N / T" in the interface language.
std::string SelectedCountText(int selected, int total);

// Empties the model and fills it with chart `chart` (0..8; any other number
// builds chart 0) of the selected matches. "Played Ranks" takes its range
// from the owner's active season, whatever the filters.
MatchGroups BuildStatisticsChart(int chart, const std::vector<RENCONTRE*>& selected,
                                 const UTILISATEUR& owner, ChartModel& model);

}  // namespace scorvane

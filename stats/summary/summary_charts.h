// The five charts of the season summary, built like the statistics charts:
// the chart model plus the groups of matches behind its bars and slices.
#pragma once

#include <string>
#include <vector>

#include "stats/chart/chart_model.h"
#include "stats/matches/match_facts.h"
#include "stats/matches/match_groups.h"

namespace scorvane {

enum SummaryChart : int {
  kSummaryRanksChart = 0,
  kSignificantResultsChart = 1,
  kMonthlyResultsChart = 2,
  kSummarySurfacesChart = 3,
  kSummarySurfaceResultsChart = 4,
};
inline constexpr int kSummaryChartCount = 5;

// "Played Ranks" ... "Surfaces Results" in the interface language.
std::string SummaryChartName(int chart);

// Empties the model and fills it with chart `chart` (0..4; any other number
// builds chart 0) of season `year`'s selected matches. "Significative
// Results" splits them again by outcome and by the opponent's ranking
// against the owner's, as the match mask compares them.
MatchGroups BuildSummaryChart(int chart, const std::vector<const MatchFacts*>& selected, int year,
                              ChartModel& model);

}  // namespace scorvane

// The builders of the statistics charts, one per chart, shared between the
// files that hold them and with the season summary's charts;
// statistics_charts.h is the interface.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "stats/chart/chart_model.h"
#include "stats/matches/match_facts.h"
#include "stats/matches/match_groups.h"

namespace scorvane {

class RankingCategories;
class UTILISATEUR;

namespace statistics_charts {

using Rows = std::vector<const MatchFacts*>;

// Catalogue texts shared by several charts.
enum : int {
  kMsgMatchesWon = 99,
  kMsgMatchesLost = 100,
  kMsgMatches = 101,
  kMsgRanks = 102,
  kMsgSuccess = 364,
};

// The title of a group of matches made from a name (a surface, a ranking).
using GroupLabel = std::function<std::string(const std::string& name)>;

// The labels of the surface charts' groups and the text of an empty pie.
struct SurfaceLabels {
  GroupLabel played;
  GroupLabel won;
  GroupLabel lost;
  std::string no_match;
};
// "Results on %s", "Matches won on %s", "Matches lost on %s", "no match".
SurfaceLabels StatisticsSurfaceLabels();

MatchGroups WonLost(const Rows& selected, ChartModel& model);
MatchGroups PlayedRanks(const std::vector<MatchFacts>& all, const Rows& selected,
                        const UTILISATEUR& owner, ChartModel& model);
MatchGroups PlayedSurfaces(const Rows& selected, const SurfaceLabels& labels, ChartModel& model);
MatchGroups SurfaceSuccess(const Rows& selected, ChartModel& model);
MatchGroups SurfaceResults(const Rows& selected, const SurfaceLabels& labels, ChartModel& model);
MatchGroups Tiebreaks(const Rows& selected, ChartModel& model);
MatchGroups Sets(const Rows& selected, ChartModel& model);
MatchGroups Difficulty(const Rows& selected, bool victories, ChartModel& model);

// The stacked won/lost bars by opponent ranking: the settings, then the
// bars of the categories with their groups (two zero values without any
// category).
void StartRankingBars(ChartModel& model);
MatchGroups FillRankingBars(const Rows& selected, const RankingCategories& categories,
                            const GroupLabel& won_label, const GroupLabel& lost_label,
                            ChartModel& model);

// The won and lost legend entries of the two-series charts.
void AddWonLostLegend(ChartModel& model);
// A value axis of percents, as the percentage charts show it.
void ShowPercentAxis(ChartModel& model);

// Whether a match counts in the game-based charts: neither a walkover nor
// ended by a retirement.
inline bool PlayedOut(const MatchFacts& match) {
  return !match.walkover && !match.retirement;
}

}  // namespace statistics_charts
}  // namespace scorvane

// What a click on one of the own page's charts does, decided from the
// chart, the zone's code and id, and the owner's seasons. Qt-free so the
// rules are tested on their own; the page carries the action out.
#pragma once

#include <cstdint>

#include "stats/evolution_charts.h"

namespace scorvane {

class UTILISATEUR;

struct OwnChartAction {
  enum class Kind {
    kNothing,
    kEditRankingEntry,  // the ranking history editor on entry `entry`
    kShowMatches,       // make season `year` active, show its matches
    kShowFinances,      // make season `year` active, show its finances
    kEditSeason,        // the season dialog on season `year`
    kCreateSeason,      // the season dialog creating season `year`
  };
  Kind kind = Kind::kNothing;
  int64_t entry = -1;
  int year = 0;
};

// `code` and `id` as the chart reports them (ZONE_GRAPHIQUE codes).
OwnChartAction OwnChartClick(SeasonChart chart, int code, int64_t id, const UTILISATEUR& owner);

}  // namespace scorvane

#include "pages/own/own_chart_clicks.h"

#include <algorithm>

#include "records/owner.h"
#include "stats/chart/chart_zones.h"

namespace scorvane {

OwnChartAction OwnChartClick(SeasonChart chart, int code, int64_t id, const UTILISATEUR& owner) {
  using Kind = OwnChartAction::Kind;
  OwnChartAction action;
  if (chart == SeasonChart::kRankingEvolution) {
    // Points and their labels carry the entry; a label of a ranking that no
    // entry holds carries none.
    if (id >= 0 && id < owner.History().Count()) {
      action.kind = Kind::kEditRankingEntry;
      action.entry = id;
    }
    return action;
  }
  if (code != ZONE_GRAPHIQUE::kDataValue && code != ZONE_GRAPHIQUE::kCategoryLabel) return action;
  action.year = static_cast<int>(std::clamp<int64_t>(id, ANNEE::kMin, ANNEE::kMax));
  const bool exists = owner.HasSeason(action.year);
  if (code == ZONE_GRAPHIQUE::kDataValue && exists) {
    action.kind =
        chart == SeasonChart::kFinancialEvolution ? Kind::kShowFinances : Kind::kShowMatches;
  } else {
    action.kind = exists ? Kind::kEditSeason : Kind::kCreateSeason;
  }
  return action;
}

}  // namespace scorvane

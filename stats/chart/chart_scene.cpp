// Finding the zone under a point of a laid-out chart.
#include "stats/chart/chart_scene.h"

namespace scorvane {

const ZONE_GRAPHIQUE* ChartScene::ZoneAt(Point point) const {
  for (const auto& zone : zones)
    if (zone->HitTest(point)) return zone.get();
  return nullptr;
}

}  // namespace scorvane

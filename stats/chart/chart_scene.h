// A laid-out chart: the drawing primitives in the order they are painted,
// in pixels of the chart's own size, and the hit zones in the order they
// were made. The widget only replays the primitives (scaled when printing)
// and asks the scene which zone a click or the pointer is on.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "stats/chart/chart_frame.h"
#include "stats/chart/chart_geometry.h"
#include "stats/chart/chart_zones.h"
#include "stats/chart/text_measurer.h"

namespace scorvane {

// A bar segment, a legend box or the background.
struct FilledRectangle {
  Rect rect;
  Rgb colour;
};

// A pie slice: angles in degrees, counter-clockwise from 3 o'clock, the
// span never negative.
struct FilledSector {
  Point centre;
  int radius = 0;
  double start_degrees = 0;
  double span_degrees = 0;
  Rgb colour;
};

// Axes, ticks, arrow heads and grid lines (dotted), 1 pixel wide; curves,
// solid and 2 pixels wide so that pale series colours still show.
struct LineSegment {
  Point from;
  Point to;
  Rgb colour;
  bool dotted = false;
  int width = 1;
};

// A text whose box is exactly its measured extent: the lines are centred in
// the box, and the background, when there is one, fills the box first.
struct TextItem {
  std::string text;
  ChartFont font = ChartFont::kLabel;
  Rgb colour;
  std::optional<Rgb> background;
  Rect box;
};

using ChartPrimitive = std::variant<FilledRectangle, FilledSector, LineSegment, TextItem>;

struct ChartScene {
  int width = 0;
  int height = 0;
  ChartFrame frame;
  ValueBounds bounds;
  std::vector<ChartPrimitive> primitives;
  std::vector<std::unique_ptr<ZONE_GRAPHIQUE>> zones;

  // The first zone, in the order they were made, that holds the point; null
  // when the point is on none.
  const ZONE_GRAPHIQUE* ZoneAt(Point point) const;
};

}  // namespace scorvane

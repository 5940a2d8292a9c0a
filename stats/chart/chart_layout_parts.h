// What the files laying out one chart share: the state of the pass (model,
// measurer, the scene being built, the bar placement) and the small helpers
// that place texts and map values to pixels. Not for use outside the chart.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "stats/chart/chart_frame.h"
#include "stats/chart/chart_model.h"
#include "stats/chart/chart_scene.h"
#include "stats/chart/text_measurer.h"

namespace scorvane::chart_layout {

inline constexpr Rgb kInk{0, 0, 0};

// Axis labels sorted by position (labels at one position keep their order),
// so that those at a position are found without walking the whole list.
class PositionedLabels {
 public:
  explicit PositionedLabels(const std::vector<ETIQUETTE_AXE>& labels);
  std::span<const ETIQUETTE_AXE* const> At(std::int64_t position) const;
  const ETIQUETTE_AXE* FirstAt(std::int64_t position) const;
  const std::vector<const ETIQUETTE_AXE*>& Sorted() const { return sorted_; }

 private:
  std::vector<const ETIQUETTE_AXE*> sorted_;
};

// Which point of a text's box an anchor point gives, along one direction.
enum class Edge { kStart, kMiddle, kEnd };

// The box of a text of the given size placed by an anchor point.
Rect PlaceText(TextSize size, Point anchor, Edge horizontal, Edge vertical);

struct LayoutPass {
  LayoutPass(const ChartModel& model, const TextMeasurer& measurer, ChartScene& scene);

  // Pixel column of a fraction of the plot's width.
  int X(double fraction) const;
  // Pixel row of a value on the value axis.
  int Y(std::int64_t value) const;
  // Pixel column of a category-axis slot (a cluster's centre when the series
  // are clustered, a bar's centre otherwise).
  int SlotX(int slot) const;

  // Measures a text, places it and returns its item (not yet in the scene).
  TextItem MakeText(std::string text, ChartFont font, Rgb colour, std::optional<Rgb> background,
                    Point anchor, Edge horizontal, Edge vertical) const;

  const ChartModel& model;
  const TextMeasurer& measurer;
  ChartScene& scene;
  const int arrangement;
  const BarLayout bars;
  const PositionedLabels category_labels;
};

// The two axes with their lines, graduations and labels, and the value
// axis's title.
void LayOutAxes(LayoutPass& pass);
// The category axis's title, in its row under the labels, ending where the
// axis's arrow ends.
void LayOutCategoryAxisTitle(LayoutPass& pass);
// Bars (or the invisible columns of a line chart), curves and value labels.
void LayOutBarsAndCurves(LayoutPass& pass);
// The slices of the first series and their value labels.
void LayOutPie(LayoutPass& pass);

}  // namespace scorvane::chart_layout

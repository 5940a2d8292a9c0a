// The frame of a chart before anything is drawn in it: where the title,
// legend and plot go for a given size, the bounds of the value axis and the
// horizontal placement of the bars. All pure functions of the model.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/chart/chart_geometry.h"
#include "stats/chart/chart_model.h"
#include "stats/chart/text_measurer.h"

namespace scorvane {

// Category labels hang this far below the axis: under a 3-pixel tick and
// one pixel more.
inline constexpr int kCategoryLabelGap = 4;
// Legend entries are written this far inside their strip, their texts after
// the room of a coloured box.
inline constexpr int kLegendInset = 3;
inline constexpr int kLegendTextOffset = 20;
// The largest share of a chart's width its legend takes.
inline constexpr int kLegendMaxPercent = 30;

// The values of all series and the range the value axis covers.
struct ValueBounds {
  std::int64_t minimum = 0;  // smallest single value, 0 without values
  std::int64_t maximum = 0;  // largest single value, 0 without values
  std::int64_t vmax = 0;     // the tallest bar the arrangement builds
  std::int64_t lower = 0;
  std::int64_t upper = 0;

  // How far up the axis a value reaches, from 0 to 1. Flat bounds, negative
  // or undefined fractions give 0; values beyond the upper bound stop at 1.
  double Fraction(std::int64_t value) const;
};

ValueBounds ComputeValueBounds(const ChartModel& model);

struct ChartFrame {
  Rect title;                // empty when the title is hidden
  Rect legend;               // empty when the legend is hidden
  Rect plot;                 // the bars' area, or the pie's square
  int value_axis_width = 0;  // room left of the plot for the value-axis labels
  // The row of the value axis's upper bound: a little below the plot's top,
  // so that the tallest bar keeps a margin under the axis's arrow and the
  // text over it stays inside the plot.
  int value_top = 0;
  Rect category_title;  // the category axis's title, under its labels
};

// The graduation the value axis ends on: its label interval, else its tick
// interval, else 1.
std::int64_t TopGraduationStep(const ChartAxis& axis);

// How wide the legend strip of a chart `width` pixels wide is: its longest
// entry, but never more than a share of the chart (longer texts wrap).
int LegendWidth(const ChartModel& model, int width, const TextMeasurer& measurer);

// A legend text cut into lines no wider than `width`: at blanks where it can,
// inside a word too long for a line of its own.
std::vector<std::string> WrapText(const std::string& text, int width, ChartFont font,
                                  const TextMeasurer& measurer);

// Lays out the strips for a chart of width x height pixels.
ChartFrame ComputeFrame(const ChartModel& model, int width, int height,
                        const TextMeasurer& measurer, const ValueBounds& bounds);

// Where bars stand along the category axis, as fractions of the plot width.
struct BarLayout {
  int clusters = 0;
  int bars_per_cluster = 0;
  double cluster_width = 0;  // 1 / clusters
  double bar_width = 0;
  double gap = 0;          // between two bars of a cluster
  double side_margin = 0;  // left of the first bar, and right of the last

  double BarLeft(int cluster, int bar) const {
    return cluster * cluster_width + side_margin + bar * (bar_width + gap);
  }
  double BarCentre(int cluster, int bar) const { return BarLeft(cluster, bar) + bar_width / 2; }
  double ClusterCentre(int cluster) const { return (cluster + 0.5) * cluster_width; }
};

BarLayout ComputeBarLayout(const ChartModel& model);

// The model's arrangement, an unknown one read as clustered.
int ArrangementOf(const ChartModel& model);

// Where value v of series s stands for the model's arrangement: its
// cluster, its bar in the cluster and the axis slot it is labelled under.
struct BarPlace {
  int cluster = 0;
  int bar = 0;
  int slot = 0;
};
BarPlace PlaceOf(int arrangement, int series, int index);

// The number of category-axis slots: categories, or series when each
// series is one bar.
int AxisSlotCount(const ChartModel& model);

}  // namespace scorvane

// Guards the frame of a chart: the value-axis bounds for each arrangement and
// scale mode, and where the title, legend and plot go for a given size.
#include "stats/chart/chart_frame.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace scorvane {
namespace {

void AddSeries(ChartModel& model, const std::vector<std::int32_t>& values) {
  auto series = std::make_unique<GROUPE_DONNEES>();
  for (const std::int32_t value : values)
    series->AddValue(value, 0);
  model.AddSeries(std::move(series));
}

TEST(ChartBounds, TallestBarDependsOnTheArrangement) {
  // Series {2, 7} and {4, 1}: the largest value is 7, the largest sum at
  // one category 7 + 1 = 8, the largest series sum 2 + 7 = 9.
  const struct {
    int arrangement;
    std::int64_t vmax;
  } cases[] = {{ChartModel::kClustered, 7},
               {ChartModel::kStackedByCategory, 8},
               {ChartModel::kStackedBySeries, 9}};
  for (const auto& c : cases) {
    ChartModel model;
    AddSeries(model, {2, 7});
    AddSeries(model, {4, 1});
    model.SetArrangement(c.arrangement);
    const ValueBounds bounds = ComputeValueBounds(model);
    EXPECT_EQ(bounds.vmax, c.vmax) << c.arrangement;
    EXPECT_EQ(bounds.lower, 0);
    EXPECT_EQ(bounds.upper, c.vmax);
  }
}

TEST(ChartBounds, AutomaticScaleAddsATenthOfTheSpreadRoundedUp) {
  const struct {
    int kind;
    int arrangement;
    std::vector<std::int32_t> values;
    std::int64_t lower, upper;
  } cases[] = {
      // spread 35 - 10 = 25, a tenth 2.5 rounds up to 3
      {ChartModel::kBars, ChartModel::kClustered, {10, 35}, 7, 38},
      // spread 4, margin at least 1, the lower bound stops at 0
      {ChartModel::kBars, ChartModel::kClustered, {0, 4}, 0, 5},
      // a pie stacked by series keeps 0 to its sum
      {ChartModel::kPie, ChartModel::kStackedBySeries, {10, 35}, 0, 45},
  };
  for (const auto& c : cases) {
    ChartModel model;
    model.SetKind(c.kind, false, true, false);
    model.SetArrangement(c.arrangement);
    model.SetScale(ChartModel::kScaleAutomatic, 0, 0);
    AddSeries(model, c.values);
    const ValueBounds bounds = ComputeValueBounds(model);
    EXPECT_EQ(bounds.lower, c.lower) << c.values[1];
    EXPECT_EQ(bounds.upper, c.upper) << c.values[1];
  }
}

TEST(ChartBounds, FixedScaleRaisesANegativeLowerBoundAndSettingTheKindResetsIt) {
  ChartModel model;
  AddSeries(model, {3});
  model.SetScale(ChartModel::kScaleFixed, -5, 50);
  EXPECT_EQ(ComputeValueBounds(model).lower, 0);
  EXPECT_EQ(ComputeValueBounds(model).upper, 50);
  model.SetKind(ChartModel::kBars, false, true, false);
  EXPECT_EQ(model.ScaleMode(), ChartModel::kScaleFromZero);
  EXPECT_EQ(ComputeValueBounds(model).upper, 3);
}

TEST(ChartFrame, StripsForTitleLegendAndValueAxis) {
  // 1100 x 656; legend 19 characters x 7 = 133 wide; value axis "-mini-AA"
  // 8 x 7 = 56 wide; category labels 1.5 x 16 = 24 high; title 1.5 x 18 = 27.
  const FixedPitchMeasurer measurer;
  const struct {
    bool title;
    int legend;
    Rect plot;
    Rect legend_strip;
  } cases[] = {
      // right: 1100 - 1100 x 4 % = 1056; top 656 x 5 % = 32
      {false, ChartModel::kNoLegend, {56, 32, 1056, 632}, {0, 0, 0, 0}},
      // right: 967 - 38 (967 x 4 %)
      {false, ChartModel::kLegendRight, {56, 32, 929, 632}, {967, 0, 1100, 656}},
      // left: 133 + 56; right: 1100 - 38 (967 x 4 %)
      {false, ChartModel::kLegendLeft, {189, 32, 1062, 632}, {0, 0, 133, 656}},
      // top: 27 + 31 (629 x 5 %)
      {true, ChartModel::kLegendRight, {56, 58, 929, 632}, {967, 27, 1100, 656}},
  };
  for (const auto& c : cases) {
    ChartModel model;
    if (!c.title) model.HideTitle();
    model.SetLegendPosition(c.legend);
    const ChartFrame frame = ComputeFrame(model, 1100, 656, measurer, ComputeValueBounds(model));
    EXPECT_EQ(frame.plot, c.plot) << c.title << c.legend;
    EXPECT_EQ(frame.legend, c.legend_strip) << c.title << c.legend;
  }
}

TEST(ChartFrame, TitleAtTheBottomTakesItsStripFromThePlotAndTheLegend) {
  ChartModel model;
  model.SetTitle("Played surfaces", ChartModel::kTitleBottom);
  model.SetLegendPosition(ChartModel::kLegendRight);
  const ChartFrame frame =
      ComputeFrame(model, 1100, 656, FixedPitchMeasurer(), ComputeValueBounds(model));
  EXPECT_EQ(frame.title, (Rect{0, 629, 1100, 656}));
  EXPECT_EQ(frame.legend, (Rect{967, 0, 1100, 629}));
  // 629 x 5 % = 31 from the top, 24 for the category labels from 629.
  EXPECT_EQ(frame.plot, (Rect{56, 31, 929, 605}));
}

TEST(ChartFrame, TwoLineCategoryLabelsGetRoomForBothLines) {
  // 4 under the axis, two lines of 16, 2 of air: 38 instead of 24.
  for (const bool two_lines : {false, true}) {
    ChartModel model;
    model.HideTitle();
    model.CategoryAxis().AddLabel(0, two_lines ? "30/2\n30/1" : "30/2", false, 0);
    const ChartFrame frame =
        ComputeFrame(model, 1100, 656, FixedPitchMeasurer(), ComputeValueBounds(model));
    EXPECT_EQ(frame.plot.bottom, two_lines ? 618 : 632);
  }
}

TEST(ChartFrame, PieIsTheLargestSquareAndTheLegendSharesTheFreeSpace) {
  // Plot 0..867 less 34 (4 %) by 35..700: square 665 at 84; free space
  // 867 - 749 = 118, a third is 39: square at 45, legend from 749.
  ChartModel model;
  model.SetKind(ChartModel::kPie, false, true, false);
  model.HideTitle();
  model.SetLegendPosition(ChartModel::kLegendRight);
  const ChartFrame frame =
      ComputeFrame(model, 1000, 700, FixedPitchMeasurer(), ComputeValueBounds(model));
  EXPECT_EQ(frame.plot, (Rect{45, 35, 710, 700}));
  EXPECT_EQ(frame.legend, (Rect{749, 0, 1000, 700}));
}

}  // namespace
}  // namespace scorvane

// Guards the frame of a chart: the value-axis bounds for each arrangement and
// scale mode, and where the title, legend and plot go for a given size.
#include "stats/chart/chart_frame.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace scorvane {
namespace {

// A model without axis titles, with one legend entry 15 characters long:
// its strip is 15 x 7 + 20 (box) + 2 x 3 (insets) = 131 wide.
void Prepare(ChartModel& model, int legend) {
  model.CategoryAxis().title_shown = false;
  model.ValueAxis().title_shown = false;
  model.SetLegendPosition(legend);
  model.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(), "Matches won 100", Rgb());
}

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

TEST(ChartBounds, TheAxisEndsOnTheFirstGraduationAtOrAboveTheTallestBar) {
  const struct {
    int kind;
    int scale;
    int label_interval, tick_interval;
    std::int32_t tallest;
    std::int64_t upper;
  } cases[] = {
      {ChartModel::kBars, ChartModel::kScaleFromZero, 100, 1, 644, 700},
      {ChartModel::kBars, ChartModel::kScaleFromZero, 100, 1, 600, 600},
      {ChartModel::kBars, ChartModel::kScaleFromZero, 1, 1, 4, 4},
      // without numbers the ticks give the step
      {ChartModel::kBars, ChartModel::kScaleFromZero, 0, 5, 12, 15},
      // a tenth of 12 rounds up to 2: 14, then up to the next 5
      {ChartModel::kBars, ChartModel::kScaleAutomatic, 5, 1, 12, 15},
      // a pie shares out its total, whatever the intervals
      {ChartModel::kPie, ChartModel::kScaleFromZero, 100, 1, 644, 644},
  };
  for (const auto& c : cases) {
    ChartModel model;
    model.SetKind(c.kind, false, true, false);
    model.SetScale(c.scale, 0, 0);
    model.ValueAxis().label_interval = c.label_interval;
    model.ValueAxis().tick_interval = c.tick_interval;
    AddSeries(model, {c.tallest});
    EXPECT_EQ(ComputeValueBounds(model).upper, c.upper) << c.tallest;
  }
}

TEST(ChartFrame, StripsForTitleLegendAndValueAxis) {
  // 1100 x 656; value axis "-mini-AA" 8 x 7 = 56 wide; category labels
  // 1.5 x 16 = 24 high; title 1.5 x 18 = 27; the upper bound 14 + 8 pixels
  // under the plot's top.
  const FixedPitchMeasurer measurer;
  const struct {
    bool title;
    int legend;
    Rect plot;
    Rect legend_strip;
  } cases[] = {
      // right: 1100 - 1100 x 4 % = 1056; top 656 x 5 % = 32
      {false, ChartModel::kNoLegend, {56, 32, 1056, 632}, {0, 0, 0, 0}},
      // right: 969 - 38 (969 x 4 %)
      {false, ChartModel::kLegendRight, {56, 32, 931, 632}, {969, 0, 1100, 656}},
      // left: 131 + 56; right: 1100 - 38 (969 x 4 %)
      {false, ChartModel::kLegendLeft, {187, 32, 1062, 632}, {0, 0, 131, 656}},
      // top: 27 + 31 (629 x 5 %)
      {true, ChartModel::kLegendRight, {56, 58, 931, 632}, {969, 27, 1100, 656}},
  };
  for (const auto& c : cases) {
    ChartModel model;
    if (!c.title) model.HideTitle();
    Prepare(model, c.legend);
    const ChartFrame frame = ComputeFrame(model, 1100, 656, measurer, ComputeValueBounds(model));
    EXPECT_EQ(frame.plot, c.plot) << c.title << c.legend;
    EXPECT_EQ(frame.legend, c.legend_strip) << c.title << c.legend;
    EXPECT_EQ(frame.value_top, c.plot.top + 22);
  }
}

TEST(ChartFrame, AxisTitlesGetRowsOfTheirOwn) {
  // A 200-pixel chart: 5 % is 10 pixels, less than the value axis's title
  // needs (16 + 2); the category title's row (16 + 2) goes under the labels.
  for (const bool titles : {false, true}) {
    ChartModel model;
    model.HideTitle();
    model.ValueAxis().title_shown = titles;
    model.CategoryAxis().title_shown = titles;
    model.ValueAxis().title = "Number of tournaments";
    model.CategoryAxis().title = "seasons";
    const ChartFrame frame =
        ComputeFrame(model, 400, 200, FixedPitchMeasurer(), ComputeValueBounds(model));
    EXPECT_EQ(frame.plot.top, titles ? 18 : 10);
    EXPECT_EQ(frame.plot.bottom, titles ? 158 : 176);
    EXPECT_EQ(frame.category_title, titles ? (Rect{56, 182, 384, 198}) : Rect{});
  }
}

TEST(ChartFrame, TheLegendFitsItsLongestTextUpToAShareOfTheChart) {
  // "TRAVEL EXPENSES" 15 x 7 + 26 = 131; at 400 pixels 30 % is only 120.
  for (const int width : {1000, 400}) {
    ChartModel model;
    model.SetLegendPosition(ChartModel::kLegendRight);
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(), "String", Rgb());
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(), "TRAVEL EXPENSES", Rgb());
    EXPECT_EQ(LegendWidth(model, width, FixedPitchMeasurer()), width == 1000 ? 131 : 120);
  }
}

TEST(ChartFrame, LongTextsWrapAtBlanksOrInsideAWordTooLong) {
  const FixedPitchMeasurer measurer;  // 7 pixels a character
  const struct {
    const char* text;
    int characters;
    std::vector<std::string> lines;
  } cases[] = {
      {"TRAVEL EXPENSES", 15, {"TRAVEL EXPENSES"}},
      {"TRAVEL EXPENSES", 10, {"TRAVEL", "EXPENSES"}},
      {"Équipements", 4, {"Équi", "peme", "nts"}},
      {"", 4, {""}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WrapText(c.text, c.characters * 7, ChartFont::kLabel, measurer), c.lines) << c.text;
}

TEST(ChartFrame, TitleAtTheBottomTakesItsStripFromThePlotAndTheLegend) {
  ChartModel model;
  model.SetTitle("Played surfaces", ChartModel::kTitleBottom);
  Prepare(model, ChartModel::kLegendRight);
  const ChartFrame frame =
      ComputeFrame(model, 1100, 656, FixedPitchMeasurer(), ComputeValueBounds(model));
  EXPECT_EQ(frame.title, (Rect{0, 629, 1100, 656}));
  EXPECT_EQ(frame.legend, (Rect{969, 0, 1100, 629}));
  // 629 x 5 % = 31 from the top, 24 for the category labels from 629.
  EXPECT_EQ(frame.plot, (Rect{56, 31, 931, 605}));
}

TEST(ChartFrame, TwoLineCategoryLabelsGetRoomForBothLines) {
  // 4 under the axis, two lines of 16, 2 of air: 38 instead of 24.
  for (const bool two_lines : {false, true}) {
    ChartModel model;
    model.HideTitle();
    Prepare(model, ChartModel::kNoLegend);
    model.CategoryAxis().AddLabel(0, two_lines ? "30/2\n30/1" : "30/2", false, 0);
    const ChartFrame frame =
        ComputeFrame(model, 1100, 656, FixedPitchMeasurer(), ComputeValueBounds(model));
    EXPECT_EQ(frame.plot.bottom, two_lines ? 618 : 632);
  }
}

TEST(ChartFrame, PieIsTheLargestSquareAndTheLegendSharesTheFreeSpace) {
  // Plot 0..869 less 34 (4 %) by 35..700: square 665 at 85; free space
  // 869 - 750 = 119, a third is 39: square at 46, legend from 750.
  ChartModel model;
  model.SetKind(ChartModel::kPie, false, true, false);
  model.HideTitle();
  Prepare(model, ChartModel::kLegendRight);
  const ChartFrame frame =
      ComputeFrame(model, 1000, 700, FixedPitchMeasurer(), ComputeValueBounds(model));
  EXPECT_EQ(frame.plot, (Rect{46, 35, 711, 700}));
  EXPECT_EQ(frame.legend, (Rect{750, 0, 1000, 700}));
}

}  // namespace
}  // namespace scorvane

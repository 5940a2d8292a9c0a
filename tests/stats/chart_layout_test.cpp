// Guards the laid-out chart: where bars, slices, labels and running totals
// land for a known size, which zone a click finds, and that degenerate
// charts (no values, zero values, bad fractions, tiny sizes, huge values)
// still give a scene a painter can replay.
#include "stats/chart/chart_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace scorvane {
namespace {

// Values with ids first_id, first_id + 1, ...
GROUPE_DONNEES* AddSeries(ChartModel& model, const std::vector<std::int32_t>& values,
                          std::int64_t first_id = 1) {
  auto series = std::make_unique<GROUPE_DONNEES>();
  for (std::size_t i = 0; i < values.size(); ++i)
    series->AddValue(values[i], first_id + static_cast<std::int64_t>(i));
  return model.AddSeries(std::move(series));
}

template <typename T>
std::vector<T> All(const ChartScene& scene) {
  std::vector<T> items;
  for (const ChartPrimitive& primitive : scene.primitives)
    if (const T* item = std::get_if<T>(&primitive)) items.push_back(*item);
  return items;
}

std::vector<Rect> ZoneRects(const ChartScene& scene) {
  std::vector<Rect> rects;
  for (const auto& zone : scene.zones)
    rects.push_back(dynamic_cast<const ZONE_RECTANGLE&>(*zone).Bounds());
  return rects;
}

// The first text in a font: value labels and totals are small, the rest not.
const TextItem* FindText(const ChartScene& scene, const std::string& text,
                         ChartFont font = ChartFont::kLabel) {
  for (const ChartPrimitive& primitive : scene.primitives)
    if (const auto* item = std::get_if<TextItem>(&primitive);
        item && item->text == text && item->font == font)
      return item;
  return nullptr;
}

// Nothing a painter could choke on: no negative sizes, no undefined angles.
void ExpectReplayable(const ChartScene& scene) {
  for (const auto& rect : All<FilledRectangle>(scene))
    EXPECT_TRUE(rect.rect.Width() >= 0 && rect.rect.Height() >= 0);
  for (const auto& text : All<TextItem>(scene))
    EXPECT_TRUE(text.box.Width() >= 0 && text.box.Height() >= 0);
  for (const auto& sector : All<FilledSector>(scene)) {
    EXPECT_GE(sector.radius, 0);
    EXPECT_TRUE(std::isfinite(sector.start_degrees) && sector.span_degrees >= 0);
  }
}

// A bar chart at 1100 x 656 without title, legend or axis titles has its
// plot at (56, 32)-(1056, 632): 1000 pixels wide, 600 high; its value axis
// runs from 632 up to its upper bound at 54, 22 pixels under the top.
class BarChart : public ::testing::Test {
 protected:
  BarChart() {
    model_.HideTitle();
    model_.ValueAxis().title_shown = false;
    model_.CategoryAxis().title_shown = false;
  }
  ChartScene LayOut() { return LayOutChart(model_, 1100, 656, measurer_); }

  ChartModel model_;
  FixedPitchMeasurer measurer_;
};

TEST_F(BarChart, ClusteredBarsStandInTheirCategoryCluster) {
  // Two clusters 500 wide; bars take 80 % (400), the gap half of the rest
  // (50), 25 on each side: bars at 25-225 and 275-475 of each cluster.
  model_.SetFractions(0.8, 0.5);
  AddSeries(model_, {1, 2});
  AddSeries(model_, {2, 1});
  const ChartScene scene = LayOut();
  const std::vector<Rect> expected = {
      {81, 343, 281, 632}, {581, 54, 781, 632}, {331, 54, 531, 632}, {831, 343, 1031, 632}};
  EXPECT_EQ(ZoneRects(scene), expected);
}

TEST_F(BarChart, StackedBarsPileTheSeriesAndShowRunningTotalsAboveEachSegment) {
  // One cluster of two bars 250 wide, gap 250, 125 each side; 578 pixels
  // up to the tallest stack, 6.
  model_.SetArrangement(ChartModel::kStackedByCategory);
  model_.SetFractions(0.5, 0.5);
  for (GROUPE_DONNEES* series : {AddSeries(model_, {2, 3}), AddSeries(model_, {4, 1})}) {
    series->AddLabel("x", true);
    series->AddLabel("", true);
  }
  const ChartScene scene = LayOut();
  const std::vector<Rect> expected = {
      {181, 439, 431, 632}, {681, 343, 931, 632}, {181, 54, 431, 439}, {681, 247, 931, 343}};
  EXPECT_EQ(ZoneRects(scene), expected);
  // Totals of the stacks: 2 then 6 over the first bar, 3 then 4 over the
  // second, each 2 pixels above its segment (small font 14 high, 6 a digit).
  const struct {
    const char* total;
    Rect box;
  } totals[] = {{"2", {303, 423, 309, 437}},
                {"6", {303, 38, 309, 52}},
                {"3", {803, 327, 809, 341}},
                {"4", {803, 231, 809, 245}}};
  for (const auto& t : totals) {
    const TextItem* text = FindText(scene, t.total, ChartFont::kSmall);
    ASSERT_NE(text, nullptr) << t.total;
    EXPECT_EQ(text->box, t.box) << t.total;
  }
  // The label "x" is centred on the first segment.
  const TextItem* label = FindText(scene, "x", ChartFont::kSmall);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->box, (Rect{303, 528, 309, 542}));
}

TEST_F(BarChart, StackingBySeriesRunsTheTotalAlongTheSeries) {
  model_.SetArrangement(ChartModel::kStackedBySeries);
  GROUPE_DONNEES* series = AddSeries(model_, {3, 1, 2});
  for (int i = 0; i < 3; ++i)
    series->AddLabel("", true);
  const ChartScene scene = LayOut();
  for (const char* total : {"3", "4", "6"})
    EXPECT_NE(FindText(scene, total, ChartFont::kSmall), nullptr) << total;
  EXPECT_EQ(FindText(scene, "5", ChartFont::kSmall), nullptr);
}

TEST_F(BarChart, MissingValuesOfAShorterSeriesAreFlatBars) {
  model_.SetFractions(0.8, 0.5);
  AddSeries(model_, {5, 3}, 11);
  AddSeries(model_, {4}, 21);
  const ChartScene scene = LayOut();
  ASSERT_EQ(scene.zones.size(), 4u);
  // The second series' missing value: flat on the axis, raised 2 pixels.
  EXPECT_EQ(ZoneRects(scene)[3], (Rect{831, 630, 1031, 632}));
  const ZONE_GRAPHIQUE* missing = scene.ZoneAt({900, 631});
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->Id(), 0);
  for (const auto& bar : All<FilledRectangle>(scene))
    EXPECT_NE(bar.rect.left, 831);
}

TEST_F(BarChart, OfTwoOverlappingCategoryLabelsOnlyTheFirstIsDrawnAndClickable) {
  // Slots at 306 and 806; labels 80 characters (560 pixels) wide overlap.
  AddSeries(model_, {1, 1});
  const std::string first(80, 'a');
  const std::string second(80, 'b');
  model_.CategoryAxis().AddLabel(0, first, true, 100);
  model_.CategoryAxis().AddLabel(1, second, true, 101);
  const ChartScene scene = LayOut();
  const TextItem* drawn = FindText(scene, first);
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(drawn->box, (Rect{26, 636, 586, 652}));
  EXPECT_EQ(FindText(scene, second), nullptr);
  const ZONE_GRAPHIQUE* zone = scene.ZoneAt({300, 640});
  ASSERT_NE(zone, nullptr);
  EXPECT_EQ(zone->Code(), ZONE_GRAPHIQUE::kCategoryLabel);
  EXPECT_EQ(zone->Id(), 100);
  EXPECT_EQ(scene.ZoneAt({800, 640}), nullptr);
}

TEST_F(BarChart, ValueAxisNumbersGiveWayToTheOwnersLabels) {
  // Values 0 to 6 over 578 pixels: numbers right-aligned 3 pixels left of
  // the axis (x 56), centred on their height; a label replaces 2.
  AddSeries(model_, {6});
  model_.ValueAxis().AddLabel(2, "15/4", false, 77);
  const ChartScene scene = LayOut();
  ASSERT_NE(FindText(scene, "5"), nullptr);
  EXPECT_EQ(FindText(scene, "5")->box, (Rect{46, 142, 53, 158}));
  EXPECT_EQ(FindText(scene, "2"), nullptr);
  ASSERT_NE(FindText(scene, "6"), nullptr);  // the top bound has its number
  EXPECT_EQ(FindText(scene, "6")->box, (Rect{46, 46, 53, 62}));
  ASSERT_NE(FindText(scene, "15/4"), nullptr);
  EXPECT_EQ(FindText(scene, "15/4")->box, (Rect{25, 431, 53, 447}));
  const ZONE_GRAPHIQUE* zone = scene.ZoneAt({30, 437});
  ASSERT_NE(zone, nullptr);
  EXPECT_EQ(zone->Code(), ZONE_GRAPHIQUE::kValueLabel);
  EXPECT_EQ(zone->Id(), 77);
  EXPECT_EQ(scene.ZoneAt({50, 150}), nullptr);  // numbers are not clickable
}

TEST_F(BarChart, TheTallestValueHasItsNumberAndRoomAboveAndTitlesStandClear) {
  // A line at the maximum, values 4 4 4 labelled above their points, with
  // the titles of the own page's tournaments chart.
  model_.SetKind(ChartModel::kBars, true, false, false);
  model_.ValueAxis().title_shown = true;
  model_.ValueAxis().title = "Number of tournaments";
  model_.CategoryAxis().title_shown = true;
  model_.CategoryAxis().title = "seasons";
  GROUPE_DONNEES* series = AddSeries(model_, {4, 4, 4});
  for (int i = 0; i < 3; ++i)
    series->AddLabel(" 4 ", false);
  const ChartScene scene = LayOut();
  const TextItem* top_number = FindText(scene, "4");
  ASSERT_NE(top_number, nullptr);
  const TextItem* value_title = FindText(scene, "Number of tournaments");
  const TextItem* category_title = FindText(scene, "seasons");
  ASSERT_TRUE(value_title && category_title);
  const Rect& plot = scene.frame.plot;
  for (const auto& text : All<TextItem>(scene)) {
    if (text.font != ChartFont::kSmall) continue;
    // Every value label inside the plot, under the value axis's title.
    EXPECT_GE(text.box.top, plot.top);
    EXPECT_FALSE(text.box.Intersects(value_title->box));
  }
  // The number 4 beside the line, the line under the arrow's tip.
  EXPECT_EQ(top_number->box.top + top_number->box.Height() / 2, scene.frame.value_top);
  EXPECT_GT(scene.frame.value_top, plot.top);
  // The category title under the labels, ending at the arrow's tip.
  EXPECT_GE(category_title->box.top, plot.bottom + 16 + 4);
  EXPECT_EQ(category_title->box.right, plot.right);
}

TEST_F(BarChart, LabelsUnderFilledBarsAreKeptFirst) {
  // Slots 250 apart, labels 40 characters (280 pixels) wide: neighbours
  // overlap. Only the second and fourth slots hold values.
  AddSeries(model_, {0, 3, 0, 5});
  for (int slot = 0; slot < 4; ++slot)
    model_.CategoryAxis().AddLabel(slot, std::string(40, static_cast<char>('a' + slot)), false,
                                   slot);
  const ChartScene scene = LayOut();
  EXPECT_EQ(FindText(scene, std::string(40, 'a')), nullptr);
  EXPECT_NE(FindText(scene, std::string(40, 'b')), nullptr);
  EXPECT_EQ(FindText(scene, std::string(40, 'c')), nullptr);
  EXPECT_NE(FindText(scene, std::string(40, 'd')), nullptr);
}

TEST_F(BarChart, LineChartsJoinEverySeriesHoweverMany) {
  model_.SetKind(ChartModel::kBars, true, false, false);
  for (int s = 0; s < 35; ++s)
    AddSeries(model_, {s, s + 1, s})->AddColour(Rgb(1, s, 0));
  const ChartScene scene = LayOut();
  // Every series' points stand on the ticks of the three categories, at
  // 1/6, 3/6 and 5/6 of the plot, and its curve is 2 pixels wide.
  int curve_lines = 0;
  for (const auto& line : All<LineSegment>(scene)) {
    if (line.colour.red != 1) continue;
    ++curve_lines;
    EXPECT_TRUE(line.from.x == 223 || line.from.x == 556) << line.from.x;
    EXPECT_TRUE(line.to.x == 556 || line.to.x == 889) << line.to.x;
    EXPECT_EQ(line.width, 2);
  }
  EXPECT_EQ(curve_lines, 35 * 2);
  EXPECT_TRUE(All<FilledRectangle>(scene).size() == 1);  // the background only
  ASSERT_EQ(scene.zones.size(), 35u * 3u);
  for (const Rect& zone : ZoneRects(scene))
    EXPECT_EQ(zone.Width(), 9);
}

TEST_F(BarChart, AllValuesZeroGiveFlatBarsAndNoGraduation) {
  AddSeries(model_, {0, 0});
  AddSeries(model_, {0, 0});
  const ChartScene scene = LayOut();
  EXPECT_EQ(scene.bounds.upper, 0);
  for (const Rect& zone : ZoneRects(scene))
    EXPECT_EQ(zone.Height(), 2);
  EXPECT_EQ(All<FilledRectangle>(scene).size(), 1u);
  for (const auto& text : All<TextItem>(scene))
    EXPECT_NE(text.box.right, 53);  // no numbers
  for (const auto& line : All<LineSegment>(scene))
    EXPECT_FALSE(line.from.x < 56);  // no ticks
}

TEST_F(BarChart, BadFractionsGiveNoNegativeBars) {
  for (const double fraction : {-0.5, std::numeric_limits<double>::quiet_NaN(), 3.0}) {
    model_.SetFractions(fraction, fraction);
    model_.Clear();
    AddSeries(model_, {3, -2, 5});
    AddSeries(model_, {1});
    ExpectReplayable(LayOut());
  }
}

TEST_F(BarChart, HugeValuesDoNotOverflow) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  model_.SetArrangement(ChartModel::kStackedByCategory);
  for (int s = 0; s < 3; ++s)
    AddSeries(model_, {kMax, kMax});
  model_.SetScale(ChartModel::kScaleAutomatic, 0, 0);
  const ChartScene scene = LayOut();
  EXPECT_EQ(scene.bounds.vmax, 6442450941);  // 3 x 2147483647
  // The last segment ends under the margin, above every other one.
  EXPECT_LT(ZoneRects(scene)[5].top, ZoneRects(scene)[3].top);
  EXPECT_GT(ZoneRects(scene)[5].top, 32);
  ExpectReplayable(scene);
}

TEST(ChartLayout, EmptyChartShowsItsBackgroundAndTitleOnly) {
  ChartModel model;
  const ChartScene scene = LayOutChart(model, 400, 300, FixedPitchMeasurer());
  ASSERT_EQ(scene.primitives.size(), 2u);
  EXPECT_EQ(std::get<FilledRectangle>(scene.primitives[0]).rect, (Rect{0, 0, 400, 300}));
  EXPECT_EQ(std::get<TextItem>(scene.primitives[1]).text, "Titre");
  EXPECT_TRUE(scene.zones.empty());
}

class PieChart : public ::testing::Test {
 protected:
  PieChart() {
    model_.SetKind(ChartModel::kPie, false, true, false);
    model_.SetArrangement(ChartModel::kStackedBySeries);
    model_.SetFractions(1.0, 0.3);
    model_.HideTitle();
  }
  ChartModel model_;
};

TEST_F(PieChart, ThreeAndOneCoverThreeQuartersThenTheLastQuarter) {
  // Square 665 at (147, 35): centre (479, 367), radius 332.
  AddSeries(model_, {3, 1});
  const ChartScene scene = LayOutChart(model_, 1000, 700, FixedPitchMeasurer());
  const auto sectors = All<FilledSector>(scene);
  ASSERT_EQ(sectors.size(), 2u);
  EXPECT_EQ(sectors[0].centre, (Point{479, 367}));
  EXPECT_EQ(sectors[0].radius, 332);
  EXPECT_DOUBLE_EQ(sectors[0].start_degrees, 0);
  EXPECT_DOUBLE_EQ(sectors[0].span_degrees, 270);
  EXPECT_DOUBLE_EQ(sectors[1].start_degrees, 270);
  EXPECT_DOUBLE_EQ(sectors[1].span_degrees, 90);
  const struct {
    Point point;
    std::int64_t id;
  } clicks[] = {{{379, 367}, 1},    // left, 180 degrees
                {{529, 467}, 2},    // down-right, about 297 degrees
                {{812, 367}, -1}};  // beyond the radius (angles and radii: the zones' tests)
  for (const auto& click : clicks) {
    const ZONE_GRAPHIQUE* zone = scene.ZoneAt(click.point);
    EXPECT_EQ(zone ? zone->Id() : -1, click.id) << click.point.x << "," << click.point.y;
  }
  // Huge slices share the circle equally.
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  model_.Clear();
  AddSeries(model_, {kMax, kMax, kMax});
  const auto huge = All<FilledSector>(LayOutChart(model_, 300, 300, FixedPitchMeasurer()));
  ASSERT_EQ(huge.size(), 3u);
  for (const auto& sector : huge)
    EXPECT_DOUBLE_EQ(sector.span_degrees, 120);
}

TEST_F(PieChart, PieWithNothingToShareShowsOnlyTheLegend) {
  model_.SetLegendPosition(ChartModel::kLegendRight);
  model_.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(1, 2, 3), "Won", Rgb());
  model_.AddLegendEntry(INFO_LEGENDE::kTextOnly, Rgb(), "(p>=75%)", Rgb());
  AddSeries(model_, {0, 0});
  const ChartScene scene = LayOutChart(model_, 1000, 700, FixedPitchMeasurer());
  EXPECT_TRUE(All<FilledSector>(scene).empty());
  EXPECT_TRUE(scene.zones.empty());
  // Legend 56 + 26 = 82 wide, from (773, 0) after the pie's share: box
  // 15 x 10 at 3 pixels in, texts 20 further, lines 1.6 x 16 = 25 apart.
  const auto boxes = All<FilledRectangle>(scene);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].rect, (Rect{776, 6, 791, 16}));
  ASSERT_NE(FindText(scene, "(p>=75%)"), nullptr);
  EXPECT_EQ(FindText(scene, "(p>=75%)")->box, (Rect{796, 28, 852, 44}));
}

TEST_F(PieChart, ALegendTooLongForItsShareWrapsOnABarChart) {
  // 30 % of 400 is 120 pixels: 120 - 26 leaves 13 characters a line (a
  // pie would give its legend some of its own free room).
  model_.SetKind(ChartModel::kBars, false, true, false);
  model_.SetLegendPosition(ChartModel::kLegendRight);
  model_.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(), "TRAVEL EXPENSES", Rgb());
  model_.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(), "String", Rgb());
  AddSeries(model_, {1, 1});
  const ChartScene scene = LayOutChart(model_, 400, 300, FixedPitchMeasurer());
  const TextItem* first = FindText(scene, "TRAVEL");
  const TextItem* second = FindText(scene, "EXPENSES");
  const TextItem* next = FindText(scene, "String");
  ASSERT_TRUE(first && second && next);
  EXPECT_EQ(second->box.top, first->box.bottom);
  EXPECT_EQ(next->box.top, second->box.top + 25);
  EXPECT_LE(first->box.right, scene.width);
}

TEST(ChartLayout, ZeroAndTinySizesGiveAReplayableScene) {
  for (const bool pie : {false, true}) {
    ChartModel model;
    model.SetKind(pie ? ChartModel::kPie : ChartModel::kBars, false, true, false);
    model.SetLegendPosition(ChartModel::kLegendRight);
    model.AddLegendEntry(INFO_LEGENDE::kColouredBox, Rgb(), "Lost", Rgb());
    AddSeries(model, {4, 2})->AddLabel(" 4 ", true);
    model.CategoryAxis().AddLabel(0, "Clay", true, 1);
    for (const int size : {0, 1, 2}) {
      const ChartScene scene = LayOutChart(model, size, size, FixedPitchMeasurer());
      ExpectReplayable(scene);
      scene.ZoneAt({0, 0});
    }
    ExpectReplayable(LayOutChart(model, -5, 40, FixedPitchMeasurer()));
  }
}

}  // namespace
}  // namespace scorvane

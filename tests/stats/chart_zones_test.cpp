// Guards the chart's hit zones: which clicks a bar, a label or a pie slice
// answers, and when two label zones are taken to overlap.
#include "stats/chart/chart_zones.h"

#include <gtest/gtest.h>

namespace scorvane {
namespace {

TEST(ChartZones, RectangleExcludesItsRightAndBottomEdges) {
  const ZONE_RECTANGLE zone(ZONE_GRAPHIQUE::kDataValue, 5, {10, 20, 30, 40});
  const struct {
    Point point;
    bool hit;
  } cases[] = {{{10, 20}, true},  {{29, 39}, true}, {{30, 25}, false},
               {{15, 40}, false}, {{9, 25}, false}, {{15, 19}, false}};
  for (const auto& c : cases)
    EXPECT_EQ(zone.HitTest(c.point), c.hit) << c.point.x << "," << c.point.y;
}

TEST(ChartZones, FlatRectangleIsRaisedTwoPixelsSoItCanBeClicked) {
  const ZONE_RECTANGLE flat(ZONE_GRAPHIQUE::kDataValue, 1, {10, 40, 30, 40});
  EXPECT_EQ(flat.Bounds(), (Rect{10, 38, 30, 40}));
  EXPECT_TRUE(flat.HitTest({15, 38}));
  EXPECT_TRUE(flat.HitTest({15, 39}));
  EXPECT_FALSE(flat.HitTest({15, 40}));
}

TEST(ChartZones, RectanglesOverlapWhenTheOtherMeetsThisOneGrownByTwo) {
  const ZONE_RECTANGLE first(ZONE_GRAPHIQUE::kCategoryLabel, 1, {0, 0, 10, 10});
  EXPECT_FALSE(first.Overlaps(ZONE_RECTANGLE(0, 2, {12, 0, 20, 10})));
  EXPECT_TRUE(first.Overlaps(ZONE_RECTANGLE(0, 2, {11, 0, 20, 10})));
  EXPECT_TRUE(first.Overlaps(ZONE_RECTANGLE(0, 2, {3, 11, 5, 14})));
  EXPECT_FALSE(first.Overlaps(ZONE_PORTION_DISQUE(2, 2, {5, 5}, 50, 0, 360)));
}

TEST(ChartZones, SliceIsTestedByRadiusAndByAngleCounterClockwiseFromThreeOClock) {
  // Centre (100, 100), radius 50, from 90 degrees (straight up on screen)
  // to 180 (left).
  const ZONE_PORTION_DISQUE slice(ZONE_GRAPHIQUE::kDataValue, 7, {100, 100}, 50, 90, 180);
  const struct {
    Point point;
    bool hit;
  } cases[] = {{{90, 90}, true},    // up-left, 135 degrees
               {{100, 60}, true},   // straight up, 90 degrees
               {{110, 90}, false},  // up-right, 45 degrees
               {{90, 110}, false},  // down-left, 225 degrees
               {{60, 60}, false}};  // 135 degrees but 57 pixels away
  for (const auto& c : cases)
    EXPECT_EQ(slice.HitTest(c.point), c.hit) << c.point.x << "," << c.point.y;
  EXPECT_FALSE(slice.Overlaps(slice));
}

TEST(ChartZones, SliceEndingAtZeroEndsAtAFullTurn) {
  const ZONE_PORTION_DISQUE last(ZONE_GRAPHIQUE::kDataValue, 7, {0, 0}, 100, 270, 0);
  EXPECT_TRUE(last.HitTest({50, 10}));    // about 349 degrees
  EXPECT_FALSE(last.HitTest({-50, 10}));  // about 191 degrees
}

}  // namespace
}  // namespace scorvane

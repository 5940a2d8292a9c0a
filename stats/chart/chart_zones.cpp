// Hit tests of the chart's zones.
#include "stats/chart/chart_zones.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace scorvane {

namespace {

Rect Upright(Rect rect) {
  if (rect.right < rect.left) std::swap(rect.left, rect.right);
  if (rect.bottom < rect.top) std::swap(rect.top, rect.bottom);
  if (rect.top == rect.bottom) rect.top -= 2;
  return rect;
}

}  // namespace

ZONE_RECTANGLE::ZONE_RECTANGLE(int code, std::int64_t id, Rect rect, std::string tooltip)
    : ZONE_GRAPHIQUE(code, id, std::move(tooltip)), rect_(Upright(rect)) {}

bool ZONE_RECTANGLE::HitTest(Point point) const {
  return rect_.Contains(point);
}

bool ZONE_RECTANGLE::Overlaps(const ZONE_GRAPHIQUE& other) const {
  const auto* rectangle = dynamic_cast<const ZONE_RECTANGLE*>(&other);
  return rectangle != nullptr && rect_.Grown(2).Intersects(rectangle->rect_);
}

ZONE_PORTION_DISQUE::ZONE_PORTION_DISQUE(int code, std::int64_t id, Point centre, int radius,
                                         double start_degrees, double end_degrees,
                                         std::string tooltip)
    : ZONE_GRAPHIQUE(code, id, std::move(tooltip)),
      centre_(centre),
      radius_(radius),
      start_degrees_(start_degrees),
      end_degrees_(end_degrees == 0.0 ? 360.0 : end_degrees) {}

bool ZONE_PORTION_DISQUE::HitTest(Point point) const {
  const std::int64_t dx = point.x - centre_.x;
  const std::int64_t dy = centre_.y - point.y;  // upwards positive, as angles count
  if (dx * dx + dy * dy > std::int64_t{radius_} * radius_) return false;
  double degrees =
      std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / std::numbers::pi;
  if (degrees < 0) degrees += 360.0;
  return degrees >= start_degrees_ && degrees < end_degrees_;
}

}  // namespace scorvane

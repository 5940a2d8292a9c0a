// The places of a drawn chart that answer a click: a bar, a pie slice or an
// axis label, each with a code saying what it is and the id its owner gave
// it. The widget searches them in the order they were made and reports the
// first one hit.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "stats/chart/chart_geometry.h"

namespace scorvane {

class ZONE_GRAPHIQUE {
 public:
  // Codes reported with a click.
  static constexpr int kCategoryLabel = 0;
  static constexpr int kValueLabel = 1;
  static constexpr int kDataValue = 2;

  // The tooltip is what the widget shows while the pointer rests on the
  // zone; empty for labels.
  ZONE_GRAPHIQUE(int code, std::int64_t id, std::string tooltip)
      : code_(code), id_(id), tooltip_(std::move(tooltip)) {}
  virtual ~ZONE_GRAPHIQUE() = default;
  ZONE_GRAPHIQUE(const ZONE_GRAPHIQUE&) = delete;
  ZONE_GRAPHIQUE& operator=(const ZONE_GRAPHIQUE&) = delete;

  virtual bool HitTest(Point point) const = 0;
  // Whether a label placed in this zone would cover the other one.
  virtual bool Overlaps(const ZONE_GRAPHIQUE& other) const = 0;

  int Code() const { return code_; }
  std::int64_t Id() const { return id_; }
  const std::string& Tooltip() const { return tooltip_; }

 private:
  int code_;
  std::int64_t id_;
  std::string tooltip_;
};

// A bar, a bar segment or a label.
class ZONE_RECTANGLE final : public ZONE_GRAPHIQUE {
 public:
  // A flat rectangle (a bar of value 0) gets its top raised by 2 pixels, so
  // that it can still be clicked. An upside-down rectangle is put right.
  ZONE_RECTANGLE(int code, std::int64_t id, Rect rect, std::string tooltip = {});

  // Right and bottom edges excluded.
  bool HitTest(Point point) const override;
  // True when the other zone is a rectangle meeting this one grown by 2
  // pixels on every side.
  bool Overlaps(const ZONE_GRAPHIQUE& other) const override;

  const Rect& Bounds() const { return rect_; }

 private:
  Rect rect_;
};

// A pie slice: the points within the radius of the centre whose angle lies
// from the start angle (included) to the end angle (excluded). Angles are in
// degrees, counter-clockwise from the 3 o'clock direction, with the screen's
// y axis pointing down; an end angle of 0 means a full turn.
class ZONE_PORTION_DISQUE final : public ZONE_GRAPHIQUE {
 public:
  ZONE_PORTION_DISQUE(int code, std::int64_t id, Point centre, int radius, double start_degrees,
                      double end_degrees, std::string tooltip = {});

  bool HitTest(Point point) const override;
  // Slices of one pie never overlap, and labels never fall on a pie.
  bool Overlaps(const ZONE_GRAPHIQUE&) const override { return false; }

  Point Centre() const { return centre_; }
  int Radius() const { return radius_; }
  double StartDegrees() const { return start_degrees_; }
  double EndDegrees() const { return end_degrees_; }

 private:
  Point centre_;
  int radius_;
  double start_degrees_;
  double end_degrees_;
};

}  // namespace scorvane

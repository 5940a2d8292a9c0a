// The value axis (left, with its arrow, ticks, dotted grid lines, numbers
// and labels) and the category axis (below, the same per slot). A label
// whose zone would overlap the last one kept on its axis is dropped: neither
// drawn nor clickable. Labels come in order along their axis and all share
// one edge (the value axis's right, the category axis's top), so a label can
// only meet the previous one kept; that keeps the check constant per label.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "stats/chart/chart_layout_parts.h"

namespace scorvane::chart_layout {

namespace {

constexpr Rgb kLabelBackground{245, 245, 245};
constexpr int kTickLength = 3;
constexpr int kArrowLength = 6;
constexpr int kArrowSpread = 3;
// Labels stand this far from the axis line.
constexpr int kLabelGap = 3;
constexpr int kTitleGap = 2;

// The multiples of an interval from lower (included) to upper (excluded).
// When they would be closer than a pixel on an axis `pixels` long, every
// k-th is kept instead, so that huge ranges stay cheap to draw.
std::vector<std::int64_t> Graduations(std::int64_t lower, std::int64_t upper, std::int64_t interval,
                                      int pixels) {
  std::vector<std::int64_t> marks;
  if (interval <= 0 || upper <= lower) return marks;
  const std::int64_t room = std::max(pixels, 1);
  const std::int64_t count = (upper - lower) / interval + 1;
  if (count > room) interval *= (count + room - 1) / room;
  std::int64_t first = lower / interval * interval;
  if (first < lower) first += interval;
  marks.reserve(
      static_cast<std::size_t>(std::max<std::int64_t>((upper - first) / interval, 0) + 1));
  for (std::int64_t value = first; value < upper; value += interval)
    marks.push_back(value);
  return marks;
}

bool IsMultiple(std::int64_t value, int interval) {
  return interval > 0 && value % interval == 0;
}

void AddLine(LayoutPass& pass, Point from, Point to, bool dotted = false) {
  pass.scene.primitives.push_back(LineSegment{from, to, kInk, dotted});
}

// Keeps labels of one axis from covering each other.
class LabelSpacing {
 public:
  // Adds a label's text and zone unless its zone would overlap the last
  // label's.
  void AddLabel(LayoutPass& pass, TextItem text, int code, std::int64_t id) {
    auto zone = std::make_unique<ZONE_RECTANGLE>(code, id, text.box);
    if (last_label_ != nullptr && last_label_->Overlaps(*zone)) return;
    last_label_ = zone.get();
    last_text_ = text.box;
    any_text_ = true;
    pass.scene.primitives.push_back(std::move(text));
    pass.scene.zones.push_back(std::move(zone));
  }
  // Adds a number (never clickable) unless it would overlap the last text.
  void AddNumber(LayoutPass& pass, TextItem text) {
    if (any_text_ && last_text_.Grown(2).Intersects(text.box)) return;
    last_text_ = text.box;
    any_text_ = true;
    pass.scene.primitives.push_back(std::move(text));
  }

 private:
  const ZONE_GRAPHIQUE* last_label_ = nullptr;
  Rect last_text_;
  bool any_text_ = false;
};

void LayOutValueAxis(LayoutPass& pass) {
  const ChartAxis& axis = pass.model.ValueAxis();
  const Rect& plot = pass.scene.frame.plot;
  const ValueBounds& bounds = pass.scene.bounds;
  const int x = plot.left;

  if (axis.line_shown) {
    AddLine(pass, {x, plot.bottom}, {x, plot.top});
    AddLine(pass, {x, plot.top}, {x - kArrowSpread, plot.top + kArrowLength});
    AddLine(pass, {x, plot.top}, {x + kArrowSpread, plot.top + kArrowLength});
  }
  for (const std::int64_t value :
       Graduations(bounds.lower, bounds.upper, axis.tick_interval, plot.Height())) {
    const int y = pass.Y(value);
    AddLine(pass, {x - kTickLength, y}, {x, y});
  }

  std::vector<std::int64_t> grid =
      Graduations(bounds.lower, bounds.upper, axis.grid_interval, plot.Height());
  for (const std::int64_t extra : axis.extra_grid)
    if (extra >= bounds.lower && extra < bounds.upper) grid.push_back(extra);
  std::sort(grid.begin(), grid.end());
  grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
  const int grid_length = plot.Width() * 95 / 100;
  for (const std::int64_t value : grid) {
    const int y = pass.Y(value);
    AddLine(pass, {x, y}, {x + grid_length, y}, true);
  }

  // Numbers at the label interval; the owner's labels at their own values,
  // the top of the axis included, in place of the number there.
  const PositionedLabels labels(axis.labels);
  std::vector<std::int64_t> positions =
      Graduations(bounds.lower, bounds.upper, axis.label_interval, plot.Height());
  for (const ETIQUETTE_AXE* label : labels.Sorted())
    if (label->position >= bounds.lower && label->position <= bounds.upper)
      positions.push_back(label->position);
  std::sort(positions.begin(), positions.end());
  positions.erase(std::unique(positions.begin(), positions.end()), positions.end());

  LabelSpacing spacing;
  for (const std::int64_t position : positions) {
    const Point anchor{x - kLabelGap, pass.Y(position)};
    const auto at = labels.At(position);
    if (at.empty()) {
      spacing.AddNumber(pass, pass.MakeText(std::to_string(position), ChartFont::kLabel, kInk,
                                            kLabelBackground, anchor, Edge::kEnd, Edge::kMiddle));
      continue;
    }
    for (const ETIQUETTE_AXE* label : at) {
      spacing.AddLabel(pass,
                       pass.MakeText(label->text, ChartFont::kLabel, kInk, kLabelBackground, anchor,
                                     Edge::kEnd, Edge::kMiddle),
                       ZONE_GRAPHIQUE::kValueLabel, label->id);
    }
  }

  if (axis.title_shown && !axis.title.empty()) {
    pass.scene.primitives.push_back(pass.MakeText(
        axis.title, ChartFont::kLabel, kInk, std::nullopt,
        {x - pass.scene.frame.value_axis_width, plot.top - kTitleGap}, Edge::kStart, Edge::kEnd));
  }
}

void LayOutCategoryAxis(LayoutPass& pass) {
  const ChartAxis& axis = pass.model.CategoryAxis();
  const Rect& plot = pass.scene.frame.plot;
  const int y = plot.bottom;

  if (axis.line_shown) {
    AddLine(pass, {plot.left, y}, {plot.right, y});
    AddLine(pass, {plot.right, y}, {plot.right - kArrowLength, y - kArrowSpread});
    AddLine(pass, {plot.right, y}, {plot.right - kArrowLength, y + kArrowSpread});
  }

  std::vector<std::int64_t> extra_grid = axis.extra_grid;
  std::sort(extra_grid.begin(), extra_grid.end());
  const int grid_top = y - plot.Height() * 95 / 100;
  const int slots = AxisSlotCount(pass.model);
  LabelSpacing spacing;
  for (int slot = 0; slot < slots; ++slot) {
    const int x = pass.SlotX(slot);
    if (IsMultiple(slot, axis.tick_interval)) AddLine(pass, {x, y}, {x, y + kTickLength});
    if (IsMultiple(slot, axis.grid_interval) ||
        std::binary_search(extra_grid.begin(), extra_grid.end(), slot)) {
      AddLine(pass, {x, y}, {x, grid_top}, true);
    }
    const Point anchor{x, y + kCategoryLabelGap};
    const auto at = pass.category_labels.At(slot);
    if (at.empty()) {
      if (IsMultiple(slot, axis.label_interval)) {
        spacing.AddNumber(pass, pass.MakeText(std::to_string(slot), ChartFont::kLabel, kInk,
                                              std::nullopt, anchor, Edge::kMiddle, Edge::kStart));
      }
      continue;
    }
    for (const ETIQUETTE_AXE* label : at) {
      const auto background = label->opaque ? std::optional<Rgb>(kLabelBackground) : std::nullopt;
      spacing.AddLabel(pass,
                       pass.MakeText(label->text, ChartFont::kLabel, kInk, background, anchor,
                                     Edge::kMiddle, Edge::kStart),
                       ZONE_GRAPHIQUE::kCategoryLabel, label->id);
    }
  }
}

}  // namespace

void LayOutAxes(LayoutPass& pass) {
  LayOutValueAxis(pass);
  LayOutCategoryAxis(pass);
}

void LayOutCategoryAxisTitle(LayoutPass& pass) {
  const ChartAxis& axis = pass.model.CategoryAxis();
  if (!axis.title_shown || axis.title.empty()) return;
  const Rect& plot = pass.scene.frame.plot;
  pass.scene.primitives.push_back(
      pass.MakeText(axis.title, ChartFont::kLabel, kInk, kLabelBackground,
                    {plot.right, plot.bottom - kTitleGap}, Edge::kEnd, Edge::kEnd));
}

}  // namespace scorvane::chart_layout

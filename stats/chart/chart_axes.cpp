// The value axis (left, with its arrow, ticks, dotted grid lines, numbers
// and labels) and the category axis (below, the same per slot). A label
// whose zone would overlap another kept on its axis is dropped: neither
// drawn nor clickable. Value-axis labels come in order and share their right
// edge, so a label can only meet the previous one kept; category labels
// under filled slots are kept before those under empty ones.
#include <algorithm>
#include <iterator>
#include <memory>
#include <set>
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

// The multiples of an interval from lower to upper, both included.
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
      static_cast<std::size_t>(std::max<std::int64_t>((upper - first) / interval, 0) + 2));
  for (std::int64_t value = first; value <= upper; value += interval)
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

// True when some value stands in a category-axis slot: its label is kept
// before those of empty slots when not all of them fit.
std::vector<bool> FilledSlots(const LayoutPass& pass, int slots) {
  std::vector<bool> filled(static_cast<std::size_t>(slots), false);
  for (int s = 0; s < pass.model.SeriesCount(); ++s) {
    const GROUPE_DONNEES& series = *pass.model.Series(s);
    for (int i = 0; i < series.Count(); ++i) {
      const int slot = PlaceOf(pass.arrangement, s, i).slot;
      if (series.ValueAt(i) != 0 && slot < slots) filled[static_cast<std::size_t>(slot)] = true;
    }
  }
  return filled;
}

// One text under the category axis: an owner's label (clickable) or a
// slot number.
struct CategoryText {
  TextItem text;
  bool is_label = false;
  std::int64_t id = 0;
  bool filled = false;
};

// Which texts are written when some would cover others: those under filled
// slots first, each in axis order, every text kept unless it would overlap
// one already kept. Texts are centred in axis order, so a text can only
// meet its nearest kept neighbours on either side.
std::vector<bool> KeptTexts(const std::vector<CategoryText>& texts) {
  std::vector<bool> kept(texts.size(), false);
  std::set<std::size_t> chosen;
  const auto clashes = [&](std::size_t a, std::size_t b) {
    return texts[a].text.box.Grown(2).Intersects(texts[b].text.box);
  };
  for (const bool filled_pass : {true, false}) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (texts[i].filled != filled_pass) continue;
      const auto next = chosen.lower_bound(i);
      if (next != chosen.end() && clashes(i, *next)) continue;
      if (next != chosen.begin() && clashes(i, *std::prev(next))) continue;
      chosen.insert(i);
      kept[i] = true;
    }
  }
  return kept;
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
  const std::vector<bool> filled = FilledSlots(pass, slots);
  std::vector<CategoryText> texts;
  for (int slot = 0; slot < slots; ++slot) {
    const int x = pass.SlotX(slot);
    if (IsMultiple(slot, axis.tick_interval)) AddLine(pass, {x, y}, {x, y + kTickLength});
    if (IsMultiple(slot, axis.grid_interval) ||
        std::binary_search(extra_grid.begin(), extra_grid.end(), slot)) {
      AddLine(pass, {x, y}, {x, grid_top}, true);
    }
    const Point anchor{x, y + kCategoryLabelGap};
    const bool slot_filled = filled[static_cast<std::size_t>(slot)];
    const auto at = pass.category_labels.At(slot);
    if (at.empty()) {
      if (IsMultiple(slot, axis.label_interval)) {
        texts.push_back({pass.MakeText(std::to_string(slot), ChartFont::kLabel, kInk, std::nullopt,
                                       anchor, Edge::kMiddle, Edge::kStart),
                         false, 0, slot_filled});
      }
      continue;
    }
    for (const ETIQUETTE_AXE* label : at) {
      const auto background = label->opaque ? std::optional<Rgb>(kLabelBackground) : std::nullopt;
      texts.push_back({pass.MakeText(label->text, ChartFont::kLabel, kInk, background, anchor,
                                     Edge::kMiddle, Edge::kStart),
                       true, label->id, slot_filled});
    }
  }
  const std::vector<bool> kept = KeptTexts(texts);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (!kept[i]) continue;
    if (texts[i].is_label) {
      pass.scene.zones.push_back(std::make_unique<ZONE_RECTANGLE>(ZONE_GRAPHIQUE::kCategoryLabel,
                                                                  texts[i].id, texts[i].text.box));
    }
    pass.scene.primitives.push_back(std::move(texts[i].text));
  }
}

}  // namespace

void LayOutAxes(LayoutPass& pass) {
  LayOutValueAxis(pass);
  LayOutCategoryAxis(pass);
}

void LayOutCategoryAxisTitle(LayoutPass& pass) {
  const ChartAxis& axis = pass.model.CategoryAxis();
  const Rect& row = pass.scene.frame.category_title;
  if (!axis.title_shown || row.IsEmpty()) return;
  pass.scene.primitives.push_back(pass.MakeText(axis.title, ChartFont::kLabel, kInk, std::nullopt,
                                                {row.right, row.top}, Edge::kEnd, Edge::kStart));
}

}  // namespace scorvane::chart_layout

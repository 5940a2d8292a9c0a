// The values of the series: bar segments stacked or clustered, curves
// joining the values of each series, pie slices, with a hit zone per value
// and the value labels. Labels and curves are added after every bar, so
// that no bar ever covers them.
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "stats/chart/chart_layout_parts.h"

namespace scorvane::chart_layout {

namespace {

constexpr Rgb kValueLabelBackground{255, 255, 242};
constexpr Rgb kRunningTotalBackground{255, 245, 246};
constexpr int kCurveWidth = 2;
// A point of a line chart answers clicks this far around it.
constexpr int kPointReach = 4;
// Texts above a bar or a point keep this distance from it.
constexpr int kAboveGap = 2;
constexpr int kAbovePointGap = 5;
// Value labels of a pie stand at this share of the radius.
constexpr double kPieLabelRadius = 0.6;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What the widget shows when the pointer rests on a value: the category's
// label, if any, over the value label (or the value itself).
std::string DataTooltip(const ETIQUETTE_AXE* category, const ETIQUETTE_DONNEE* label,
                        std::int64_t value) {
  std::string value_text = label != nullptr ? Trimmed(label->text) : std::string();
  if (value_text.empty()) value_text = std::to_string(value);
  if (category == nullptr) return value_text;
  std::string name = category->text;
  std::replace(name.begin(), name.end(), '\n', ' ');
  name = Trimmed(name);
  return name.empty() ? value_text : name + "\n" + value_text;
}

TextItem SmallText(const LayoutPass& pass, std::string text, Rgb background, Point anchor,
                   Edge horizontal, Edge vertical) {
  return pass.MakeText(std::move(text), ChartFont::kSmall, kInk, background, anchor, horizontal,
                       vertical);
}

// A value's label centred on its bar segment, its running total just above
// the segment.
void AddSegmentTexts(const LayoutPass& pass, const ETIQUETTE_DONNEE& label,
                     std::int64_t running_total, const Rect& segment, int centre_x,
                     std::vector<ChartPrimitive>& out) {
  if (!label.text.empty()) {
    out.push_back(SmallText(pass, label.text, kValueLabelBackground,
                            {centre_x, (segment.top + segment.bottom) / 2}, Edge::kMiddle,
                            Edge::kMiddle));
  }
  if (label.show_running_total) {
    out.push_back(SmallText(pass, std::to_string(running_total), kRunningTotalBackground,
                            {centre_x, segment.top - kAboveGap}, Edge::kMiddle, Edge::kEnd));
  }
}

// A line chart's value label above its point, the running total above that.
void AddPointTexts(const LayoutPass& pass, const ETIQUETTE_DONNEE& label,
                   std::int64_t running_total, Point point, std::vector<ChartPrimitive>& out) {
  int bottom = point.y - kAbovePointGap;
  if (!label.text.empty()) {
    TextItem text = SmallText(pass, label.text, kValueLabelBackground, {point.x, bottom},
                              Edge::kMiddle, Edge::kEnd);
    bottom = text.box.top - 1;
    out.push_back(std::move(text));
  }
  if (label.show_running_total) {
    out.push_back(SmallText(pass, std::to_string(running_total), kRunningTotalBackground,
                            {point.x, bottom}, Edge::kMiddle, Edge::kEnd));
  }
}

// A slice's label centred inside it, the running total under the label.
void AddSliceTexts(const LayoutPass& pass, const ETIQUETTE_DONNEE& label,
                   std::int64_t running_total, Point anchor, std::vector<ChartPrimitive>& out) {
  bool below_label = false;
  int top = anchor.y;
  if (!label.text.empty()) {
    TextItem text =
        SmallText(pass, label.text, kValueLabelBackground, anchor, Edge::kMiddle, Edge::kMiddle);
    top = text.box.bottom + 1;
    below_label = true;
    out.push_back(std::move(text));
  }
  if (label.show_running_total) {
    out.push_back(SmallText(pass, std::to_string(running_total), kRunningTotalBackground,
                            {anchor.x, top}, Edge::kMiddle,
                            below_label ? Edge::kStart : Edge::kMiddle));
  }
}

void Append(std::vector<ChartPrimitive>& to, std::vector<ChartPrimitive>& from) {
  to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

void LayOutBarsAndCurves(LayoutPass& pass) {
  const ChartModel& model = pass.model;
  ChartScene& scene = pass.scene;
  const int categories = model.CategoryCount();
  // A line chart without bars is clicked on its points rather than on
  // invisible columns.
  const bool point_zones = model.Curve() && !model.Bars();
  // Running totals of the stacks: one per category when the series are
  // stacked by category, one per series (reset below) when by series.
  std::vector<std::int64_t> category_totals(
      pass.arrangement == ChartModel::kStackedByCategory ? static_cast<std::size_t>(categories) : 0,
      0);
  std::vector<ChartPrimitive> curves;
  std::vector<ChartPrimitive> texts;

  for (int s = 0; s < model.SeriesCount(); ++s) {
    const GROUPE_DONNEES& series = *model.Series(s);
    // Clustered bars show every category, a missing value as a flat bar.
    const int count = pass.arrangement == ChartModel::kClustered ? categories : series.Count();
    std::int64_t series_total = 0;
    std::optional<Point> previous;
    for (int i = 0; i < count; ++i) {
      const bool present = i < series.Count();
      if (!present && point_zones) continue;
      const std::int32_t value = series.ValueAt(i);
      const BarPlace place = PlaceOf(pass.arrangement, s, i);

      std::int64_t base = 0;
      if (pass.arrangement == ChartModel::kStackedByCategory) {
        base = category_totals[static_cast<std::size_t>(i)];
        category_totals[static_cast<std::size_t>(i)] += value;
      } else if (pass.arrangement == ChartModel::kStackedBySeries) {
        base = series_total;
        series_total += value;
      }
      const std::int64_t top = base + value;

      const double left_fraction = pass.bars.BarLeft(place.cluster, place.bar);
      const int y_base = pass.Y(base);
      const int y_top = pass.Y(top);
      const Rect segment =
          Rect{pass.X(left_fraction), std::min(y_base, y_top),
               pass.X(left_fraction + pass.bars.bar_width), std::max(y_base, y_top)}
              .Normalised();
      // A curve over bars joins their centres; a curve alone joins the
      // categories' ticks, where the reader looks for each series' value.
      const int point_x = point_zones ? pass.SlotX(place.slot)
                                      : pass.X(pass.bars.BarCentre(place.cluster, place.bar));
      const Point point{point_x, pass.Y(value)};
      const Rgb colour = series.ColourAt(i);

      if (model.Bars() && !segment.IsEmpty())
        scene.primitives.push_back(FilledRectangle{segment, colour});
      if (model.Curve() && present) {
        if (previous) curves.push_back(LineSegment{*previous, point, colour, false, kCurveWidth});
        previous = point;
      }

      const ETIQUETTE_DONNEE* label = series.LabelAt(i);
      const Rect zone = point_zones ? Rect{point.x - kPointReach, point.y - kPointReach,
                                           point.x + kPointReach + 1, point.y + kPointReach + 1}
                                    : segment;
      scene.zones.push_back(std::make_unique<ZONE_RECTANGLE>(
          ZONE_GRAPHIQUE::kDataValue, series.IdAt(i), zone,
          DataTooltip(pass.category_labels.FirstAt(place.slot), label, value)));
      if (label == nullptr) continue;
      if (point_zones) {
        AddPointTexts(pass, *label, top, point, texts);
      } else {
        AddSegmentTexts(pass, *label, top, segment, point.x, texts);
      }
    }
  }
  Append(scene.primitives, curves);
  Append(scene.primitives, texts);
}

void LayOutPie(LayoutPass& pass) {
  // A pie is one series (one bar stacked by series, in polar form).
  const GROUPE_DONNEES* series = pass.model.Series(0);
  if (series == nullptr) return;
  // Values that are not positive have no slice; nothing to share, no pie.
  std::int64_t total = 0;
  for (int i = 0; i < series->Count(); ++i)
    total += std::max(series->ValueAt(i), 0);
  if (total <= 0) return;

  ChartScene& scene = pass.scene;
  const Rect& square = scene.frame.plot;
  const int radius = square.Width() / 2;
  const Point centre{square.left + square.Width() / 2, square.top + square.Height() / 2};
  std::vector<ChartPrimitive> texts;
  std::int64_t running = 0;
  for (int i = 0; i < series->Count(); ++i) {
    const std::int32_t value = series->ValueAt(i);
    if (value <= 0) continue;
    const double start = 360.0 * static_cast<double>(running) / static_cast<double>(total);
    running += value;
    const double end = 360.0 * static_cast<double>(running) / static_cast<double>(total);
    if (radius > 0)
      scene.primitives.push_back(
          FilledSector{centre, radius, start, end - start, series->ColourAt(i)});
    const ETIQUETTE_DONNEE* label = series->LabelAt(i);
    scene.zones.push_back(std::make_unique<ZONE_PORTION_DISQUE>(
        ZONE_GRAPHIQUE::kDataValue, series->IdAt(i), centre, radius, start, end,
        DataTooltip(nullptr, label, value)));
    if (label == nullptr) continue;
    const double middle = (start + end) / 2 * std::numbers::pi / 180.0;
    const double reach = kPieLabelRadius * radius;
    const Point anchor{centre.x + static_cast<int>(std::lround(reach * std::cos(middle))),
                       centre.y - static_cast<int>(std::lround(reach * std::sin(middle)))};
    AddSliceTexts(pass, *label, running, anchor, texts);
  }
  Append(scene.primitives, texts);
}

}  // namespace scorvane::chart_layout

// The layout pass: frame, background, axes and data, then legend and title.
#include "stats/chart/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "stats/chart/chart_layout_parts.h"

namespace scorvane {

namespace chart_layout {

PositionedLabels::PositionedLabels(const std::vector<ETIQUETTE_AXE>& labels) {
  sorted_.reserve(labels.size());
  for (const ETIQUETTE_AXE& label : labels)
    sorted_.push_back(&label);
  std::stable_sort(
      sorted_.begin(), sorted_.end(),
      [](const ETIQUETTE_AXE* a, const ETIQUETTE_AXE* b) { return a->position < b->position; });
}

std::span<const ETIQUETTE_AXE* const> PositionedLabels::At(std::int64_t position) const {
  const auto first = std::lower_bound(
      sorted_.begin(), sorted_.end(), position,
      [](const ETIQUETTE_AXE* label, std::int64_t p) { return label->position < p; });
  const auto last = std::upper_bound(
      first, sorted_.end(), position,
      [](std::int64_t p, const ETIQUETTE_AXE* label) { return p < label->position; });
  return {first, last};
}

const ETIQUETTE_AXE* PositionedLabels::FirstAt(std::int64_t position) const {
  const auto labels = At(position);
  return labels.empty() ? nullptr : labels.front();
}

Rect PlaceText(TextSize size, Point anchor, Edge horizontal, Edge vertical) {
  const auto start = [](int at, int length, Edge edge) {
    return edge == Edge::kStart ? at : edge == Edge::kMiddle ? at - length / 2 : at - length;
  };
  const int width = std::max(size.width, 0);
  const int height = std::max(size.height, 0);
  const int left = start(anchor.x, width, horizontal);
  const int top = start(anchor.y, height, vertical);
  return {left, top, left + width, top + height};
}

LayoutPass::LayoutPass(const ChartModel& chart, const TextMeasurer& text_measurer,
                       ChartScene& result)
    : model(chart),
      measurer(text_measurer),
      scene(result),
      arrangement(ArrangementOf(chart)),
      bars(ComputeBarLayout(chart)),
      category_labels(chart.CategoryAxis().labels) {}

int LayoutPass::X(double fraction) const {
  const Rect& plot = scene.frame.plot;
  return plot.left + static_cast<int>(std::lround(fraction * plot.Width()));
}

int LayoutPass::Y(std::int64_t value) const {
  const int bottom = scene.frame.plot.bottom;
  const int height = std::max(bottom - scene.frame.value_top, 0);
  return bottom - static_cast<int>(std::lround(scene.bounds.Fraction(value) * height));
}

int LayoutPass::SlotX(int slot) const {
  return X(arrangement == ChartModel::kClustered ? bars.ClusterCentre(slot)
                                                 : bars.BarCentre(0, slot));
}

TextItem LayoutPass::MakeText(std::string text, ChartFont font, Rgb colour,
                              std::optional<Rgb> background, Point anchor, Edge horizontal,
                              Edge vertical) const {
  const Rect box = PlaceText(measurer.Measure(text, font), anchor, horizontal, vertical);
  return {std::move(text), font, colour, background, box};
}

namespace {

constexpr int kLegendBoxWidth = 15;
constexpr int kLegendBoxHeight = 10;

// Entries from the top, one every 1.6 text heights; an entry too long for
// the strip wraps, its further lines one text height apart.
void LayOutLegend(LayoutPass& pass) {
  if (!pass.model.LegendShown()) return;
  const Rect& strip = pass.scene.frame.legend;
  const int text_height = std::max(pass.measurer.Measure("0", ChartFont::kLabel).height, 0);
  const int left = strip.left + kLegendInset;
  const int text_width = strip.right - kLegendInset - (left + kLegendTextOffset);
  int top = strip.top + kLegendInset;
  for (const INFO_LEGENDE& entry : pass.model.LegendEntries()) {
    // Lines below the strip are not seen.
    if (top >= strip.bottom) break;
    if (entry.kind == INFO_LEGENDE::kColouredBox) {
      const int box_top = top + (text_height - kLegendBoxHeight) / 2;
      pass.scene.primitives.push_back(FilledRectangle{
          {left, box_top, left + kLegendBoxWidth, box_top + kLegendBoxHeight}, entry.box_colour});
    }
    int line_top = top;
    if (!entry.text.empty()) {
      for (std::string& line : WrapText(entry.text, text_width, ChartFont::kLabel, pass.measurer)) {
        pass.scene.primitives.push_back(
            pass.MakeText(std::move(line), ChartFont::kLabel, entry.text_colour, std::nullopt,
                          {left + kLegendTextOffset, line_top}, Edge::kStart, Edge::kStart));
        line_top += text_height;
      }
      line_top -= text_height;
    }
    top = line_top + 16 * text_height / 10;
  }
}

void LayOutTitle(LayoutPass& pass) {
  if (!pass.model.TitleShown() || pass.model.Title().empty()) return;
  const Rect& strip = pass.scene.frame.title;
  pass.scene.primitives.push_back(
      pass.MakeText(pass.model.Title(), ChartFont::kTitle, pass.model.TitleColour(), std::nullopt,
                    {strip.left + strip.Width() / 2, strip.top + strip.Height() / 2}, Edge::kMiddle,
                    Edge::kMiddle));
}

}  // namespace
}  // namespace chart_layout

ChartScene LayOutChart(const ChartModel& model, int width, int height,
                       const TextMeasurer& measurer) {
  using namespace chart_layout;
  ChartScene scene;
  scene.width = std::max(width, 0);
  scene.height = std::max(height, 0);
  scene.bounds = ComputeValueBounds(model);
  scene.frame = ComputeFrame(model, scene.width, scene.height, measurer, scene.bounds);
  if (scene.width > 0 && scene.height > 0)
    scene.primitives.push_back(
        FilledRectangle{{0, 0, scene.width, scene.height}, model.Background()});

  LayoutPass pass(model, measurer, scene);
  // A chart without any value shows only its background, legend and title.
  if (model.CategoryCount() > 0) {
    if (model.IsPie()) {
      LayOutPie(pass);
    } else {
      LayOutAxes(pass);
      LayOutBarsAndCurves(pass);
      LayOutCategoryAxisTitle(pass);
    }
  }
  LayOutLegend(pass);
  LayOutTitle(pass);
  return scene;
}

}  // namespace scorvane

// The chart's three fonts as Qt fonts, and the text measurer that gives the
// layout their true sizes. The chart is drawn in Arial; where Arial is not
// installed, Liberation Sans takes its place, which has the same letter
// widths, so charts keep their proportions from one machine to another.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <array>
#include <string>
#include <unordered_map>

#include "stats/chart/text_measurer.h"

namespace scorvane {

// "Arial" when the machine has it, else "Liberation Sans" when it has that,
// else "Arial" all the same (the font system then picks its nearest face).
// Looked up once for the whole run.
const QString& ChartFontFamily();

// The font of one of the chart's texts, sized in pixels.
QFont ChartQFont(ChartFont font);

// Measures texts as the chart will draw them. A text may hold a line break.
// Sizes are remembered, so that laying the same chart out again (a resize)
// asks the fonts only about texts it has not met yet.
class QtTextMeasurer final : public TextMeasurer {
 public:
  QtTextMeasurer();
  TextSize Measure(std::string_view text, ChartFont font) const override;

 private:
  TextSize MeasureWithFont(std::string_view text, ChartFont font) const;

  std::array<QFontMetricsF, 3> metrics_;
  mutable std::array<std::unordered_map<std::string, TextSize>, 3> known_;
};

}  // namespace scorvane

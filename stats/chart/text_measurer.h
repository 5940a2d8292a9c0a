// How the chart layout learns the size of a text. The layout is computed
// without any drawing library, so the widget that shows the chart measures
// texts with its own fonts through this interface, and tests and benchmarks
// use a fixed-pitch stand-in.
#pragma once

#include <string_view>

namespace scorvane {

// The chart's three fonts, all Arial of normal weight.
enum class ChartFont {
  kTitle,  // the chart title, 15 pixels
  kLabel,  // legend, axis labels and axis titles, 13 pixels
  kSmall,  // value labels and running totals, 12 pixels
};

// The pixel height the widget gives each font.
constexpr int FontPixelSize(ChartFont font) {
  switch (font) {
    case ChartFont::kTitle:
      return 15;
    case ChartFont::kLabel:
      return 13;
    case ChartFont::kSmall:
      return 12;
  }
  return 13;
}

struct TextSize {
  int width = 0;
  int height = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // The extent of a text drawn in a font. A text may hold one line break
  // ("\n"): it is then as wide as its longer line and two lines high.
  virtual TextSize Measure(std::string_view text, ChartFont font) const = 0;
};

// Every character as wide as every other: lets tests work out positions by
// hand and lets benchmarks lay out charts without a display.
class FixedPitchMeasurer final : public TextMeasurer {
 public:
  static constexpr int CharWidth(ChartFont font) {
    return font == ChartFont::kTitle ? 9 : font == ChartFont::kLabel ? 7 : 6;
  }
  static constexpr int LineHeight(ChartFont font) {
    return font == ChartFont::kTitle ? 18 : font == ChartFont::kLabel ? 16 : 14;
  }
  // Characters are counted as UTF-8 code points, so "é" is one character.
  TextSize Measure(std::string_view text, ChartFont font) const override;
};

}  // namespace scorvane

// Where each piece of a calculation report goes on the report page: the
// report's lines with their markers (rules, bold and large bold fonts,
// underlining) and tab-separated columns, placed from top to bottom in the
// page's own units, with the positions just after each rule, where printed
// pages may break. The page draws the pieces with its fonts; tests read them
// as they are. Qt-free: the fonts are measured through ReportMeasurer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "estimates/report_markup.h"

namespace scorvane {

using ReportFont = ReportLine::Font;

// The three report fonts as the page draws them.
class ReportMeasurer {
 public:
  virtual ~ReportMeasurer() = default;
  // The height of a line of text ("Test") in the font.
  virtual int LineHeight(ReportFont font) const = 0;
  // The width of a text without tabs.
  virtual int TextWidth(std::string_view text, ReportFont font) const = 0;
};

// The page's fixed measures, in report units (pixels on screen).
struct ReportGeometry {
  static constexpr int kLeft = 30;       // where text starts, and the tab origin
  static constexpr int kFirstLine = 60;  // the first line's position
  static constexpr int kWidth = 650;
  static constexpr int kMinimumHeight = 580;
  static constexpr int kRuleUnderscores = 76;
  static constexpr int kMaxBreaks = 500;
  // Tab stops, counted from the tab origin.
  static constexpr int kTabStops[] = {30, 100, 250, 430, 500, 540, 570};
};

// One text drawn: its segments already placed at their tab stops.
struct ReportText {
  struct Segment {
    int x = 0;
    std::string text;
  };
  int y = 0;  // top of the line
  ReportFont font = ReportFont::kNormal;
  std::vector<Segment> segments;
  int width = 0;   // from kLeft to the end of the last segment
  int height = 0;  // the font's line height
  bool underlined = false;
};

// A rule of underscores across the page, in the large bold font.
struct ReportRule {
  int y = 0;
};

struct ReportLayout {
  std::vector<ReportText> texts;
  std::vector<ReportRule> rules;
  // Positions just after each rule (at most kMaxBreaks), in order.
  std::vector<int> breaks;
  int end = 0;  // the position after the last line and two more line heights
  int line_height = 0;
  // The scrolled size: kWidth by the larger of kMinimumHeight and end.
  int ScrollHeight() const;
};

// Places the report. Every line starts in the normal font; a rule moves down
// one line height, is drawn, and moves down two more; the line's text then
// moves down by its font's height, an empty line by one line height.
ReportLayout LayOutReport(std::string_view report, const ReportMeasurer& measurer);

// The x of the tab stop after `x` (kLeft-based), or `x` itself past the last.
int NextTabStop(int x);

// Where printed pages start: at 0, then just after the last break that lies
// less than `page_height` below the page's start whenever the next break
// lies further; a page holding no break at all is cut at page_height, so a
// section taller than a page is split rather than lost. A last page is
// added while the end lies page_height or more below the last start.
std::vector<int> ReportPageStarts(const std::vector<int>& breaks, int end, int page_height);

}  // namespace scorvane

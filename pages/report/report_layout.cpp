#include "pages/report/report_layout.h"

#include <algorithm>

namespace scorvane {

int ReportLayout::ScrollHeight() const {
  return std::max(ReportGeometry::kMinimumHeight, end);
}

int NextTabStop(int x) {
  for (const int stop : ReportGeometry::kTabStops) {
    const int at = ReportGeometry::kLeft + stop;
    if (at > x) return at;
  }
  return x;
}

namespace {

ReportText PlaceText(const ReportLine& line, int y, const ReportMeasurer& measurer) {
  ReportText text;
  text.y = y;
  text.font = line.font;
  text.underlined = line.underlined;
  text.height = measurer.LineHeight(line.font);
  int x = ReportGeometry::kLeft;
  size_t from = 0;
  for (;;) {
    const size_t tab = line.text.find('\t', from);
    const std::string_view piece =
        std::string_view(line.text).substr(from, tab == std::string::npos ? tab : tab - from);
    if (!piece.empty()) {
      text.segments.push_back({x, std::string(piece)});
      x += measurer.TextWidth(piece, line.font);
    }
    if (tab == std::string::npos) break;
    x = NextTabStop(x);
    from = tab + 1;
  }
  text.width = x - ReportGeometry::kLeft;
  return text;
}

}  // namespace

ReportLayout LayOutReport(std::string_view report, const ReportMeasurer& measurer) {
  ReportLayout layout;
  const int line_height = measurer.LineHeight(ReportFont::kNormal);
  layout.line_height = line_height;
  int y = ReportGeometry::kFirstLine;
  // ParseReport drops the empty line after a closing "\n"; the view, like
  // the text, ends there too.
  size_t from = 0;
  while (from < report.size()) {
    const size_t end = report.find('\n', from);
    const std::string_view raw =
        report.substr(from, end == std::string_view::npos ? end : end - from);
    from = end == std::string_view::npos ? report.size() : end + 1;
    if (raw.empty()) {
      y += line_height;
      continue;
    }
    const std::vector<ReportLine> parsed = ParseReport(raw);
    const ReportLine& line = parsed.front();
    for (int i = 0; i < line.rules; ++i) {
      y += line_height;
      layout.rules.push_back({y});
      y += 2 * line_height;
      if (layout.breaks.size() < static_cast<size_t>(ReportGeometry::kMaxBreaks))
        layout.breaks.push_back(y);
    }
    if (line.text.empty()) continue;
    ReportText text = PlaceText(line, y, measurer);
    y += text.height;
    layout.texts.push_back(std::move(text));
  }
  layout.end = y + 2 * line_height;
  return layout;
}

std::vector<int> ReportPageStarts(const std::vector<int>& breaks, int end, int page_height) {
  page_height = std::max(page_height, 1);
  std::vector<int> starts{0};
  int usable = -1;  // the last break on the current page, -1 before one
  size_t next = 0;
  for (;;) {
    const int start = starts.back();
    while (next < breaks.size() && breaks[next] <= start)
      ++next;
    if (next < breaks.size() && breaks[next] - start < page_height) {
      usable = breaks[next++];
      continue;
    }
    if (next < breaks.size()) {
      // The next break is a page or more away: break after the last one on
      // this page, or cut the section at the page's end when there is none.
      starts.push_back(usable > start ? usable : start + page_height);
      usable = -1;
      continue;
    }
    if (end - start >= page_height) {
      starts.push_back(usable > start ? usable : start + page_height);
      usable = -1;
      continue;
    }
    return starts;
  }
}

}  // namespace scorvane

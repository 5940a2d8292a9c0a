#include "estimates/report_markup.h"

namespace scorvane {
namespace {

constexpr std::string_view kMarkerEdge = "##";
// The report view draws its rules with this many underscores.
constexpr size_t kRuleWidth = 76;

ReportLine ParseLine(std::string_view line) {
  ReportLine parsed;
  size_t from = 0;
  for (;;) {
    const size_t open = line.find(kMarkerEdge, from);
    const size_t close =
        open == std::string_view::npos ? open : line.find(kMarkerEdge, open + kMarkerEdge.size());
    if (close == std::string_view::npos) {
      parsed.text.append(line.substr(from));
      return parsed;
    }
    parsed.text.append(line.substr(from, open - from));
    const std::string_view name =
        line.substr(open + kMarkerEdge.size(), close - open - kMarkerEdge.size());
    if (name == "SEPARATION_HORIZONTALE") {
      ++parsed.rules;
    } else if (name == "GRAS") {
      parsed.font = ReportLine::Font::kBold;
    } else if (name == "GRAS_17") {
      parsed.font = ReportLine::Font::kLargeBold;
    } else if (name == "SOULIGNE") {
      parsed.underlined = true;
    }
    from = close + kMarkerEdge.size();
  }
}

}  // namespace

std::vector<ReportLine> ParseReport(std::string_view report) {
  std::vector<ReportLine> lines;
  size_t from = 0;
  while (from < report.size()) {
    const size_t end = report.find('\n', from);
    if (end == std::string_view::npos) {
      lines.push_back(ParseLine(report.substr(from)));
      break;
    }
    lines.push_back(ParseLine(report.substr(from, end - from)));
    from = end + 1;
  }
  return lines;
}

std::string ReportAsPlainText(std::string_view report) {
  std::string text;
  for (const ReportLine& line : ParseReport(report)) {
    for (int i = 0; i < line.rules; ++i)
      text.append(kRuleWidth, '_').append("\n");
    // A line that only held rules adds no empty line of its own.
    if (line.rules == 0 || !line.text.empty()) text.append(line.text).append("\n");
  }
  return text;
}

}  // namespace scorvane

// The light markup of the estimates' reports, read the way the report view
// draws it: lines end at "\n", tabs separate columns, and markers (a name
// between two "##") change the line: "SEPARATION_HORIZONTALE" draws a rule
// before the text, "GRAS" and "GRAS_17" choose the bold and large bold
// fonts, "SOULIGNE" underlines the text. Any other marker is dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scorvane {

struct ReportLine {
  enum class Font { kNormal, kBold, kLargeBold };

  int rules = 0;  // horizontal rules drawn before the text
  Font font = Font::kNormal;
  bool underlined = false;
  std::string text;  // markers removed, tabs kept
};

// The lines of a report; text after the last "\n" makes a last line.
std::vector<ReportLine> ParseReport(std::string_view report);

// The report as plain text: markers removed, each rule drawn as a line of
// underscores of its own.
std::string ReportAsPlainText(std::string_view report);

}  // namespace scorvane

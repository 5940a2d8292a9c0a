// Guards where the report page puts each line of a calculation report: the
// markers' effect on position, font and underlining, tab stops, the break
// positions after rules, and where printed pages start.
#include "pages/report/report_layout.h"

#include <gtest/gtest.h>

namespace scorvane {
namespace {

// Every character 7 units wide; lines 16 high, 22 in the large bold font.
class FixedMeasurer : public ReportMeasurer {
 public:
  int LineHeight(ReportFont font) const override {
    return font == ReportFont::kLargeBold ? 22 : 16;
  }
  int TextWidth(std::string_view text, ReportFont) const override {
    int characters = 0;
    for (const char c : text)
      characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return 7 * characters;
  }
};

const FixedMeasurer kMeasurer;

TEST(ReportLayout, LinesAdvanceByTheirMarkers) {
  const struct {
    const char* name;
    const char* report;
    int end_before_margin;  // the position after the last line
  } cases[] = {
      {"an empty line advances one line height", "\n", 60 + 16},
      {"a rule alone advances three line heights", "##SEPARATION_HORIZONTALE##\n", 60 + 48},
      {"a rule then text: three line heights and the text's", "##SEPARATION_HORIZONTALE##A\n",
       60 + 48 + 16},
      {"large bold text advances by its own height", "##GRAS_17##TITLE\n", 60 + 22},
      {"a marker alone draws nothing and does not move", "##GRAS##\n", 60},
      {"text after the last line break is a line", "a\nb", 60 + 32},
  };
  for (const auto& c : cases) {
    const ReportLayout layout = LayOutReport(c.report, kMeasurer);
    EXPECT_EQ(layout.end, c.end_before_margin + 32) << c.name;
  }
}

TEST(ReportLayout, PassResultLineIsDrawnOnceUnderlinedOverItsWidth) {
  const ReportLayout layout = LayOutReport(
      "##SOULIGNE##RÉSULTAT DE LA PASSE..................Maintient à 15/4\n", kMeasurer);
  ASSERT_EQ(layout.texts.size(), 1u);
  const ReportText& text = layout.texts[0];
  EXPECT_TRUE(text.underlined);
  EXPECT_EQ(text.font, ReportFont::kNormal);
  ASSERT_EQ(text.segments.size(), 1u);
  EXPECT_EQ(text.segments[0].text, "RÉSULTAT DE LA PASSE..................Maintient à 15/4");
  EXPECT_EQ(text.segments[0].x, 30);
  EXPECT_EQ(text.width, 7 * 54);
}

TEST(ReportLayout, FontsAndUnknownMarkers) {
  const ReportLayout layout =
      LayOutReport("##GRAS##PASSE 0\n##GRAS_17##RÉSULTAT\n##ROUGE##plain\n", kMeasurer);
  ASSERT_EQ(layout.texts.size(), 3u);
  EXPECT_EQ(layout.texts[0].font, ReportFont::kBold);
  EXPECT_EQ(layout.texts[1].font, ReportFont::kLargeBold);
  EXPECT_EQ(layout.texts[2].font, ReportFont::kNormal);
  EXPECT_EQ(layout.texts[2].segments[0].text, "plain");
  EXPECT_FALSE(layout.texts[2].underlined);
}

TEST(ReportLayout, TabsGoToTheNextStopFromTheOrigin) {
  // Stops at 60, 130, 280, 460, 530, 570 and 600.
  const ReportLayout layout = LayOutReport("\tab\t\tcd\tlong text here\n", kMeasurer);
  ASSERT_EQ(layout.texts.size(), 1u);
  const auto& segments = layout.texts[0].segments;
  ASSERT_EQ(segments.size(), 3u);
  EXPECT_EQ(segments[0].x, 60);   // "ab" ends at 74
  EXPECT_EQ(segments[1].x, 280);  // two tabs: 130, then 280
  EXPECT_EQ(segments[2].x, 460);  // "cd" ends at 294
  EXPECT_EQ(NextTabStop(600), 600);
  EXPECT_EQ(NextTabStop(29), 60);
}

TEST(ReportLayout, BreaksFollowEachRule) {
  const ReportLayout layout = LayOutReport(
      "title\n##SEPARATION_HORIZONTALE##first\n\n##SEPARATION_HORIZONTALE##\n", kMeasurer);
  // title 60..76; rule at 92, break at 124; "first" 124..140; empty line to
  // 156; rule at 172, break at 204.
  EXPECT_EQ(layout.breaks, (std::vector<int>{124, 204}));
  ASSERT_EQ(layout.rules.size(), 2u);
  EXPECT_EQ(layout.rules[0].y, 92);
  EXPECT_EQ(layout.texts[1].y, 124);
  EXPECT_EQ(layout.ScrollHeight(), 580);
}

TEST(ReportLayout, AtMostFiveHundredBreaksAreRecorded) {
  std::string report;
  for (int i = 0; i < 520; ++i)
    report += "##SEPARATION_HORIZONTALE##\n";
  const ReportLayout layout = LayOutReport(report, kMeasurer);
  EXPECT_EQ(layout.breaks.size(), 500u);
  EXPECT_EQ(layout.rules.size(), 520u);
  EXPECT_EQ(layout.ScrollHeight(), layout.end);
}

TEST(ReportPagination, PagesStartJustAfterABreak) {
  const struct {
    const char* name;
    std::vector<int> breaks;
    int end;
    std::vector<int> starts;
  } cases[] = {
      {"short report: one page", {300, 600}, 900, {0}},
      {"end exactly a page below: one more page", {300, 600}, 1000, {0, 600}},
      {"breaks under a page apart", {400, 900, 1300, 1800}, 2100, {0, 900, 1800}},
      {"a break a page below: the page starts at the one before", {500, 1000}, 1200, {0, 500}},
      {"a section taller than a page is cut at the page's end", {200, 1500}, 1700, {0, 200, 1200}},
      {"no break at all: cut every page height", {}, 2500, {0, 1000, 2000}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReportPageStarts(c.breaks, c.end, 1000), c.starts) << c.name;
}

}  // namespace
}  // namespace scorvane

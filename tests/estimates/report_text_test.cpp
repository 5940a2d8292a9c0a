// The report formatter and the reading of the report markup.
#include <gtest/gtest.h>

#include "estimates/report_markup.h"
#include "estimates/report_text.h"

namespace scorvane {
namespace {

TEST(FormatTextTest, FillsDirectivesLikePrintf) {
  struct Case {
    const char* format;
    std::initializer_list<TextArg> args;
    const char* expected;
  };
  const Case cases[] = {
      {"%d points", {-75}, "-75 points"},
      {"%s %s", {"Léa", "Faure"}, "Léa Faure"},
      {"%0g points", {-37.5}, "-37.5 points"},
      {"%0g points", {60.0}, "60 points"},
      {"%g", {1234567.0}, "1.23457e+06"},
      {"(%d%%)", {50}, "(50%)"},
      // "%ss" is a text followed by a plain "s".
      {"%ss only", {"event"}, "events only"},
      {"%d victoire%s", {2, PluralMark(2)}, "2 victoires"},
      {"%d victoire%s", {1, PluralMark(1)}, "1 victoire"},
      {"%d victoire%s", {0, PluralMark(0)}, "0 victoires"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatText(c.format, c.args), c.expected) << c.format;
  }
}

TEST(FormatTextTest, MismatchedArgumentsNeverReadPastWhatWasGiven) {
  // Converted to what the directive asks for.
  EXPECT_EQ(FormatText("%d", {12.9}), "12");
  EXPECT_EQ(FormatText("%g", {3}), "3");
  EXPECT_EQ(FormatText("%s", {42}), "42");
  EXPECT_EQ(FormatText("%d", {"text"}), "0");
  EXPECT_EQ(FormatText("%d", {1e300}), "0");
  // Missing arguments write nothing; extra ones are ignored.
  EXPECT_EQ(FormatText("%s and %d", {"one"}), "one and ");
  EXPECT_EQ(FormatText("plain", {1, 2}), "plain");
  // Unknown directives and a lone "%" at the end are copied.
  EXPECT_EQ(FormatText("%x %", {1}), "%x %");
}

TEST(ReportMarkupTest, MarkersChooseFontUnderlineAndRules) {
  const std::vector<ReportLine> lines = ParseReport(
      "\n##GRAS_17##TITLE\n##SEPARATION_HORIZONTALE##"
      "##GRAS##PASS 0\n##SOULIGNE##RESULT....Kept\n\tdate\tevent\n##UNKNOWN##x##GRAS");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].text, "");
  EXPECT_EQ(lines[1].font, ReportLine::Font::kLargeBold);
  EXPECT_EQ(lines[1].text, "TITLE");
  // A rule does not change the font of the text that follows it.
  EXPECT_EQ(lines[2].rules, 1);
  EXPECT_EQ(lines[2].font, ReportLine::Font::kBold);
  EXPECT_EQ(lines[2].text, "PASS 0");
  EXPECT_TRUE(lines[3].underlined);
  EXPECT_EQ(lines[3].font, ReportLine::Font::kNormal);
  EXPECT_EQ(lines[3].text, "RESULT....Kept");
  EXPECT_EQ(lines[4].text, "\tdate\tevent");
  // Unknown markers are dropped; an unclosed "##" is plain text.
  EXPECT_EQ(lines[5].text, "x##GRAS");
}

TEST(ReportMarkupTest, PlainTextDrawsEachRuleAsALineOfItsOwn) {
  const std::string rule(76, '_');
  EXPECT_EQ(ReportAsPlainText("\n##GRAS_17##TITLE\n##SEPARATION_HORIZONTALE##"
                              "##GRAS##PASS 0\n\nend\n##SEPARATION_HORIZONTALE##"),
            "\nTITLE\n" + rule + "\nPASS 0\n\nend\n" + rule + "\n");
  EXPECT_EQ(ReportAsPlainText(""), "");
}

}  // namespace
}  // namespace scorvane

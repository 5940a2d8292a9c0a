// The scale files of today's French rules: the shipped ones read, a user's
// file taken in their place, and a damaged one refused with its line while
// the shipped scale of the year is used instead.
#include <gtest/gtest.h>

#include <fstream>

#include "estimates/modern/scale_library.h"
#include "tests/support/test_environment.h"

namespace scorvane::modern {
namespace {

std::string ShippedText(int year) {
  for (const ShippedScale& shipped : ShippedScales()) {
    if (shipped.year == year) return shipped.text;
  }
  return {};
}

// The shipped text with its first line holding `from` changed to `to`.
std::string Damaged(int year, const std::string& from, const std::string& to) {
  std::string text = ShippedText(year);
  text.replace(text.find(from), from.size(), to);
  return text;
}

// The number of the line that starts with `part`.
int LineOf(const std::string& text, const std::string& part) {
  const auto start = text.begin() + static_cast<std::ptrdiff_t>(text.find("\n" + part)) + 1;
  return 1 + static_cast<int>(std::count(text.begin(), start, '\n'));
}

TEST(ModernScale, ShippedScalesReadAndListTheirAssumptions) {
  const Scale y2019 = std::get<Scale>(ParseScale(ShippedText(2019)));
  EXPECT_EQ(y2019.year, 2019);
  EXPECT_EQ(y2019.Norm(kTopB, false), 1110);
  EXPECT_EQ(y2019.assumed.size(), 2u);  // doubles and coefficients
  const Scale y2026 = std::get<Scale>(ParseScale(ShippedText(2026)));
  EXPECT_EQ(y2026.Norm(k15, false), 420);
  EXPECT_EQ(y2026.climb, ClimbLimit::kBeatenAtEchelon);
  EXPECT_EQ(y2026.assumed.front().section, "procedure");
  EXPECT_EQ(LatestShippedYear(), 2026);
}

TEST(ModernScale, DamagedTextsAreRefusedWithTheirLine) {
  const struct {
    std::string from, to, reason;
  } cases[] = {
      {"30/4 = 70 70", "30/4 = 70", "'30/4' needs 2 whole numbers"},
      {"passes = 10", "passes = ten", "'ten' is not a whole number from 1 to 20"},
      {"up-only = no", "up-only = maybe", "'up-only' must be yes or no"},
      {"four-games = 0.5", "four-games = 1.5",
       "'four-games' must be a decimal number from 0.01 to 1"},
      {"-60 = 0 0 -3 -3", "-85 = 0 0 -3 -3", "bands must go up"},
      {"cap = 25", "cap = 25\nbonus = 3", "unknown key 'bonus' in [doubles]"},
      {"best = 5", "best", "a line must read 'key = value'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.to);
    const std::string text = Damaged(2019, c.from, c.to);
    const auto read = ParseScale(text);
    ASSERT_TRUE(std::holds_alternative<ScaleRefusal>(read));
    const ScaleRefusal& refusal = std::get<ScaleRefusal>(read);
    EXPECT_EQ(refusal.reason, c.reason);
    const std::string located = c.to.find('\n') != std::string::npos ? "bonus" : c.to;
    EXPECT_EQ(refusal.line, LineOf(text, located));
  }
  const ScaleRefusal missing =
      std::get<ScaleRefusal>(ParseScale(Damaged(2019, "-15 = 960 810\n", "")));
  EXPECT_EQ(missing.reason, "[norms] needs '-15'");
}

TEST(ModernScale, UserFilesReplaceTheShippedOneUnlessDamaged) {
  testing::TempDir folder;
  const auto write = [&folder](int year, const std::string& text) {
    std::ofstream(folder / ("fft-" + std::to_string(year) + ".ini")) << text;
  };
  // A 2027 file, and a 2019 file with the 15 norm raised.
  write(2027, Damaged(2026, "year = 2026", "year = 2027"));
  write(2019, Damaged(2019, "15 = 430 395", "15 = 440 395"));
  EXPECT_EQ(ScaleYears(folder.Path()), (std::vector<int>{2019, 2026, 2027}));
  EXPECT_EQ(LoadScale(2027, folder.Path()).scale->year, 2027);
  EXPECT_EQ(LoadScale(2019, folder.Path()).scale->Norm(k15, false), 440);

  // Damaged: refused with the file, line and reason; the shipped scale is used.
  const std::string broken = Damaged(2019, "15 = 430 395", "15 = 430 many");
  write(2019, broken);
  const LoadedScale loaded = LoadScale(2019, folder.Path());
  EXPECT_EQ(loaded.refusal, "fft-2019.ini, line " +
                                std::to_string(LineOf(broken, "15 = 430 many")) +
                                ": 'many' is not a whole number from 0 to 100000");
  EXPECT_EQ(loaded.source, "shipped");
  EXPECT_EQ(loaded.scale->Norm(k15, false), 430);

  // A file of another year under this year's name, and a year with nothing usable.
  write(2027, ShippedText(2026));
  EXPECT_EQ(LoadScale(2027, folder.Path()).refusal,
            "fft-2027.ini: the file holds the scale of 2026");
  EXPECT_FALSE(LoadScale(2027, folder.Path()).scale.has_value());
}

}  // namespace
}  // namespace scorvane::modern

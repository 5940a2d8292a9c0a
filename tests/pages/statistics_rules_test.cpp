// Guards what an age box of the statistics page accepts: whole numbers from
// 0 to 99, blanks around them; anything else keeps the previous age.
#include "pages/statistics/statistics_rules.h"

#include <gtest/gtest.h>

namespace scorvane {
namespace {

TEST(StatisticsRules, AgesAreWholeNumbersFromZeroToNinetyNine) {
  const struct {
    const char* text;
    std::optional<int> age;
  } cases[] = {{"0", 0},
               {"99", 99},
               {" 42 ", 42},
               {"100", std::nullopt},
               {"-1", std::nullopt},
               {"", std::nullopt},
               {"4x", std::nullopt},
               {"+5", std::nullopt},
               {"3.5", std::nullopt},
               {"   ", std::nullopt}};
  for (const auto& c : cases)
    EXPECT_EQ(ParseAge(c.text), c.age) << "'" << c.text << "'";
}

}  // namespace
}  // namespace scorvane

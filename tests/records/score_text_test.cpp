// Scores as people write them: "-" read as "/" and kept as "/", and the
// scores a match rarely has, which the match dialog asks about.
#include <gtest/gtest.h>

#include "records/match_entry.h"
#include "records/score_text.h"

namespace scorvane {
namespace {

TEST(ScoreText, DashesBetweenNumbersBecomeSlashes) {
  const struct {
    const char* typed;
    const char* kept;
  } cases[] = {
      {"6-4 7-6(5)", "6/4 7/6(5)"},
      {"6 - 4", "6 / 4"},
      {"6/4 (blessure - abandon) 2-1", "6/4 (blessure - abandon) 2/1"},
      {"-6-", "-6-"},
      {"7/6(12) 6/7(3) 10/8", "7/6(12) 6/7(3) 10/8"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScoreWithSlashes(c.typed), c.kept) << c.typed;
  EXPECT_TRUE(IsScoreWellWritten("6-4 7-6(5)"));
  EXPECT_FALSE(IsScoreWellWritten("6-4 7"));
  const ScoreReading reading = ReadTypedScore("4-6 7-6(5)");
  ASSERT_EQ(reading.sets.size(), 2u);
  EXPECT_EQ(reading.sets[0], std::make_pair(std::uint8_t{4}, std::uint8_t{6}));
}

TEST(ScoreText, UnusualScoresAreDoubted) {
  const struct {
    const char* score;
    bool won;
    bool walkover;
    ScoreDoubt doubt;
  } cases[] = {
      {"6-4 7-6(5)", true, false, ScoreDoubt::kNone},
      {"7/6(12) 6/7(3) 10/8", true, false, ScoreDoubt::kNone},
      {"4/6", true, false, ScoreDoubt::kWonWithFewerSets},
      {"6/4 6/2", false, false, ScoreDoubt::kLostWithMoreSets},
      {"abc", false, false, ScoreDoubt::kNoSet},
      {"w.o.", true, true, ScoreDoubt::kNone},
      {"", true, false, ScoreDoubt::kNone},
      {"0/0", true, false, ScoreDoubt::kTiedSet},
      {"6/4 6/6", true, false, ScoreDoubt::kTiedSet},
      {"99/0", true, false, ScoreDoubt::kNotAGameCount},
      {"6/4 10/8 6/3", true, false, ScoreDoubt::kNotAGameCount},
      {"6/4 6/4 6/4 6/4 6/4", true, false, ScoreDoubt::kTooManySets},
      {"6/4 3/6 7/5", true, false, ScoreDoubt::kNone},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DoubtAboutScore(c.score, c.won, c.walkover), c.doubt) << c.score;
}

}  // namespace
}  // namespace scorvane

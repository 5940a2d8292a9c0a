// Reading score texts into sets and games.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/archive.h"
#include "records/match_result.h"

namespace scorvane {
namespace {

using Sets = std::vector<std::pair<int, int>>;

struct ScoreCase {
  const char* text;
  bool badly_written;
  int sets;
  Sets pairs;  // the first pairs, as stored
};

TEST(ScoreTest, TextsGiveTheirSetsWithTheWinnerFirst) {
  const ScoreCase cases[] = {
      {"6/4 6/3", false, 2, {{6, 4}, {6, 3}}},
      {"4/6 3/6", false, 2, {{6, 4}, {6, 3}}},
      {"6/4 3/6 6/7", false, 3, {{4, 6}, {6, 3}, {7, 6}}},
      {"6/4 4/6", false, 2, {{6, 4}, {4, 6}}},
      {"6/4 (ankle injury) 2/0", false, 2, {{6, 4}, {2, 0}}},
      {"6/4 (unfinished", false, 1, {{6, 4}}},
      {"6/4 (a)(b) 3/6 (c", false, 2, {{6, 4}, {3, 6}}},
      {"(6/4)) 3/6", false, 1, {{6, 3}}},
      {"6 / 4", false, 1, {{6, 4}}},
      {"6/4,3/6;7/5", false, 3, {{6, 4}, {3, 6}, {7, 5}}},
      {"", false, 0, {}},
      {"w.o.", false, 0, {}},
      {"300/2", false, 1, {{44, 2}}},
      {"1/0 1/0 1/0 1/0 1/0 1/0 1/0 1/0 9/9", false, 8, {{1, 0}}},
      {"6/4 6", true, 0, {{6, 4}}},
      {"6/", true, 0, {}},
      {"(6/4) 7", true, 0, {}},
  };
  for (const ScoreCase& c : cases) {
    RESULTAT_RENCONTRE result;
    EXPECT_EQ(result.SetScore(c.text), c.badly_written) << c.text;
    EXPECT_EQ(result.ScoreText(), c.text);
    EXPECT_EQ(result.CountSets(0), c.sets) << c.text;
    for (size_t i = 0; i < c.pairs.size(); ++i) {
      EXPECT_EQ(result.SetAt(static_cast<int>(i)).first, c.pairs[i].first) << c.text << " " << i;
      EXPECT_EQ(result.SetAt(static_cast<int>(i)).second, c.pairs[i].second) << c.text << " " << i;
    }
  }
}

TEST(ScoreTest, AHugeTextFullOfCommentsIsReadInOnePass) {
  // A score text may be as long as a file; hundreds of thousands of comments
  // must not take the square of the length.
  std::string text;
  for (int i = 0; i < 200000; ++i)
    text += "(x)";
  text += "6/4";
  RESULTAT_RENCONTRE result;
  EXPECT_FALSE(result.SetScore(text));
  EXPECT_EQ(result.CountSets(0), 1);
}

TEST(ScoreTest, CountsOfSetsGamesAndTieBreaks) {
  RESULTAT_RENCONTRE result;
  result.SetScore("7/6 6/7 7/6");
  EXPECT_EQ(result.CountSets(0), 3);
  EXPECT_EQ(result.CountSets(1), 2);
  EXPECT_EQ(result.CountSets(2), 1);
  EXPECT_EQ(result.CountGames(0), 39);
  EXPECT_EQ(result.CountGames(1), 20);
  EXPECT_EQ(result.CountGames(2), 19);
  EXPECT_EQ(result.CountOneGameSets(0), 3);
  EXPECT_EQ(result.CountOneGameSets(1), 2);
  EXPECT_EQ(result.CountOneGameSets(2), 1);

  // A new score forgets the sets of the previous one.
  result.SetScore("6/0");
  EXPECT_EQ(result.CountSets(0), 1);
  EXPECT_EQ(result.CountGames(0), 6);
  EXPECT_EQ(result.CountOneGameSets(0), 0);
}

TEST(ScoreTest, AResultReadFromAFileCountsItsScoreWhenAsked) {
  RESULTAT_RENCONTRE typed;
  typed.SetScore("4/6 7/6 (7/4) 6/3");
  Archive out;
  typed.Serialize(out);
  const std::vector<uint8_t> bytes = out.TakeBytes();

  RESULTAT_RENCONTRE read;
  read.SetScore("6/0 6/0 6/0 6/0");  // what was there before is forgotten
  Archive in(bytes);
  read.Serialize(in);
  const RESULTAT_RENCONTRE copy = read;  // copied before anything was asked
  const std::vector<const RESULTAT_RENCONTRE*> results = {&read, &copy};
  for (const RESULTAT_RENCONTRE* result : results) {
    EXPECT_EQ(result->ScoreText(), "4/6 7/6 (7/4) 6/3");
    EXPECT_EQ(result->CountSets(0), 3);
    EXPECT_EQ(result->CountSets(1), 2);
    EXPECT_EQ(result->CountGames(0), 32);
    EXPECT_EQ(result->CountOneGameSets(0), 1);
    EXPECT_EQ(result->SetAt(0), RESULTAT_RENCONTRE::Set(4, 6));
    EXPECT_EQ(result->SetAt(2), RESULTAT_RENCONTRE::Set(6, 3));
  }
}

}  // namespace
}  // namespace scorvane

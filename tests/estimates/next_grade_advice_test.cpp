// "What would it take to reach the next grade", worked out by hand from the
// same rules as the estimates.
#include "estimates/next_grade_advice.h"

#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class NextGradeAdviceTest : public CoreTest {
 protected:
  NextGradeAdvice Advise() {
    return AdviseNextGrade(ActiveSystem(), Owner(), Owner().GetActiveSeason());
  }
  static std::vector<std::pair<std::string, int>> Wins(const NextGradeAdvice& advice) {
    std::vector<std::pair<std::string, int>> wins;
    for (const WinsNeeded& option : advice.wins)
      wins.emplace_back(option.opponent.Text(), option.wins);
    return wins;
  }
};

// A man ranked NC without any victory stays NC; a pass at NC is worth 0
// points against an up norm of 100.
// k victories over one grade g (pass at NC: 50 for NC, 100 for 30/5, 150 above):
// - NC: 1 win = 50, no rise; 2 wins = 100, rise to 30/5 where they are worth
//   2 x 30 = 60 > 54: kept. 2 wins.
// - 30/5: 1 win = 100, rise, but at 30/5 it is worth 50 <= 54: falls back.
//   2 wins: kept (100 at 30/5). 2 wins, not fewer than over NC: not listed.
// - 30/4: 1 win = 150, rise; at 30/5 it is worth 100 (between 54 and 155). 1 win.
TEST_F(NextGradeAdviceTest, FrenchFewestWinsByOpponentGrade) {
  DocumentBuilder(Owner()).Season(2001, "NC");
  const NextGradeAdvice advice = Advise();
  ASSERT_TRUE(advice.available);
  EXPECT_EQ(advice.estimate.Text(), "NC");
  EXPECT_EQ(advice.target.Text(), "30/5");
  EXPECT_EQ(advice.points, 0);
  EXPECT_EQ(advice.up_norm, 100);
  EXPECT_EQ(advice.missing, 100);
  EXPECT_EQ(Wins(advice), (std::vector<std::pair<std::string, int>>{{"NC", 2}, {"30/4", 1}}));
}

// The advice adds victories to what was played: one victory over a 30/5
// player is already there (worth 100 at NC, 50 at 30/5: up then down), so one
// more over NC or over 30/5 is enough.
TEST_F(NextGradeAdviceTest, FrenchAdviceBuildsOnThePlayedSeason) {
  DocumentBuilder b(Owner());
  b.Season(2001, "NC");
  EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(5, 5, 2001));
  b.Singles(open, b.Player("A", "B", {{2001, "30/5"}}), true, "6/4 6/4");
  const NextGradeAdvice advice = Advise();
  EXPECT_EQ(advice.estimate.Text(), "NC");
  // At NC the victory is worth 100, the up norm: reached, but not kept.
  EXPECT_EQ(advice.points, 100);
  EXPECT_EQ(advice.missing, 0);
  // With one more over NC: 150 at NC, 50 + 30 = 80 at 30/5: kept.
  EXPECT_EQ(Wins(advice), (std::vector<std::pair<std::string, int>>{{"NC", 1}}));
}

// Belgian owner NC without matches: total 0 against 350.
// k seniors tournament victories (1 bonus point each) over grade g at NC:
// NC 51k, 30.4 101k, 30.2 and better 151k; the upgrade needs 350, then 60 at
// 30.4 (NC: 26k, 30.4: 51k, 30.2: 101k, all enough).
// NC: 7 wins; 30.4: 4 wins; 30.2: 3 wins; better grades need 3 as well.
TEST_F(NextGradeAdviceTest, BelgianFewestWinsByOpponentGrade) {
  Registry().SetActive(&Registry().Belgian());
  DocumentBuilder(Owner()).Season(2001, "NC");
  const NextGradeAdvice advice = Advise();
  EXPECT_EQ(advice.estimate.Text(), "NC");
  EXPECT_EQ(advice.target.Text(), "30.4");
  EXPECT_EQ(advice.missing, 350);
  EXPECT_EQ(Wins(advice),
            (std::vector<std::pair<std::string, int>>{{"NC", 7}, {"30.4", 4}, {"30.2", 3}}));
}

TEST_F(NextGradeAdviceTest, TopGradeAndOtherSystems) {
  Registry().SetActive(&Registry().Belgian());
  DocumentBuilder(Owner()).Season(2001, "A");
  NextGradeAdvice advice = Advise();
  EXPECT_TRUE(advice.available);
  EXPECT_EQ(advice.estimate.Text(), "A");
  EXPECT_TRUE(advice.target.IsNone());
  EXPECT_TRUE(advice.wins.empty());

  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  advice = Advise();
  EXPECT_FALSE(advice.available);
}

}  // namespace
}  // namespace scorvane

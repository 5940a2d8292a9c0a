// "What would it take to reach the next grade", worked out by hand from the
// same rules as the estimates.
#include "estimates/next_grade_advice.h"

#include <gtest/gtest.h>

#include "estimates/season_estimate.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

using Played = std::vector<std::pair<std::string, int>>;  // grade, wins (negative: defeats)

class NextGradeAdviceTest : public CoreTest {
 protected:
  // A fresh document: the owner at `owner` in 2001 with the matches played,
  // each grade's in an event of its own against opponents of that grade in
  // 2001 and 2002.
  void Build(bool belgian, const std::string& owner, const Played& played) {
    TearDown();
    SetUp();
    if (belgian) Registry().SetActive(&Registry().Belgian());
    DocumentBuilder b(Owner());
    b.Season(2001, owner);
    int event = 0;
    for (const auto& [grade, count] : played) {
      EPREUVE_JOUEE* open =
          b.Tournament("Open " + std::to_string(++event), DATE_SIMPLE(6, 6, 2001));
      for (int i = 0; i < std::abs(count); ++i) {
        JOUEUR* opponent = b.Player("P" + std::to_string(event), std::to_string(i),
                                    {{2001, grade}, {2002, grade}});
        b.Singles(open, opponent, count > 0, count > 0 ? "6/4 6/4" : "4/6 4/6");
      }
    }
  }
  NextGradeAdvice Advise() {
    return AdviseNextGrade(ActiveSystem(), Owner(), Owner().GetActiveSeason());
  }
  CLASSEMENT Estimate() {
    return EstimateSeason(ActiveSystem(), Owner(), Owner().GetActiveSeason()).estimate;
  }
  static Played Wins(const NextGradeAdvice& advice) {
    Played wins;
    for (const WinsNeeded& option : advice.wins)
      wins.emplace_back(option.opponent.Text(), option.wins);
    return wins;
  }
  static Played With(Played played, const std::string& grade, int count) {
    played.emplace_back(grade, count);
    return played;
  }
};

TEST_F(NextGradeAdviceTest, FewestWinsByOpponentGrade) {
  const struct {
    bool belgian;
    Played played;
    const char* target;
    int points, up_norm, missing;
    Played wins;
  } cases[] = {
      // A French NC without any victory stays NC; a pass at NC is worth 0
      // points against an up norm of 100. k victories over one grade g (pass
      // at NC: 50 for NC, 100 for 30/5, 150 above):
      // - NC: 1 win = 50, no rise; 2 wins = 100, rise to 30/5 where they are
      //   worth 2 x 30 = 60 > 54: kept. 2 wins.
      // - 30/5: 1 win = 100, rise, but at 30/5 it is worth 50 <= 54: falls
      //   back. 2 wins: kept (100 at 30/5), not fewer than over NC: not listed.
      // - 30/4: 1 win = 150, rise; at 30/5 it is worth 100 (between 54 and
      //   155). 1 win.
      {false, {}, "30/5", 0, 100, 100, {{"NC", 2}, {"30/4", 1}}},
      // The advice adds victories to what was played: one victory over a 30/5
      // is worth 100 at NC (the up norm: reached), 50 at 30/5 (not kept). With
      // one more over NC: 150 at NC, 50 + 30 = 80 at 30/5: kept.
      {false, {{"30/5", 1}}, "30/5", 100, 100, 0, {{"NC", 1}}},
      // A Belgian NC: k seniors tournament victories (1 bonus point each) over
      // grade g at NC: NC 51k, 30.4 101k, 30.2 and better 151k; the upgrade
      // needs 350, then 60 at 30.4 (NC: 26k, 30.4: 51k, 30.2: 101k, all
      // enough). NC: 7 wins; 30.4: 4; 30.2: 3; better grades 3 as well.
      {true, {}, "30.4", 0, 350, 350, {{"NC", 7}, {"30.4", 4}, {"30.2", 3}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    Build(c.belgian, "NC", c.played);
    const NextGradeAdvice advice = Advise();
    ASSERT_TRUE(advice.available);
    EXPECT_EQ(advice.estimate.Text(), "NC");
    EXPECT_EQ(advice.target.Text(), c.target);
    EXPECT_EQ(advice.points, c.points);
    EXPECT_EQ(advice.up_norm, c.up_norm);
    EXPECT_EQ(advice.missing, c.missing);
    EXPECT_EQ(Wins(advice), c.wins);
  }
}

TEST_F(NextGradeAdviceTest, TopGradeAndOtherSystems) {
  Build(true, "A", {});
  NextGradeAdvice advice = Advise();
  EXPECT_TRUE(advice.available);
  EXPECT_EQ(advice.estimate.Text(), "A");
  EXPECT_TRUE(advice.target.IsNone());
  EXPECT_TRUE(advice.wins.empty());

  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  EXPECT_FALSE(Advise().available);
}

// The advice checked against the real estimate: the suggested victories,
// played for real in a fresh document, reach the target; the defeats it
// says the estimate withstands leave it where it is, and one more lowers it.
TEST_F(NextGradeAdviceTest, SuggestedWinsAndAbsorbedDefeatsHoldOnTheRealEstimate) {
  const struct {
    bool belgian;
    const char* owner;
    Played played;
  } cases[] = {
      // Risen to 30/2: a few more defeats would undo the rise.
      {false, "30/4", {{"30/3", 8}, {"30/4", 4}}},
      {false, "15/4", {{"15/4", 14}, {"15/3", 2}, {"15/5", 3}}},
      // Just enough for 15/5: not one defeat more.
      {false, "30", {{"30", 10}, {"30/1", 5}}},
      // A defeat at the same grade costs nothing: the cap stands.
      {true, "30.2", {{"30.2", 3}, {"30.4", -1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.owner);
    Build(c.belgian, c.owner, c.played);
    const NextGradeAdvice advice = Advise();
    const CLASSEMENT estimate = Estimate();
    ASSERT_EQ(advice.estimate, estimate);
    ASSERT_FALSE(advice.wins.empty());
    const std::string target = advice.target.Text();
    const std::vector<std::pair<std::string, int>> absorbed = {
        {advice.estimate.Text(), advice.defeats_at_equal_grade},
        {advice.lower_grade.Text(), advice.defeats_at_lower_grade}};
    for (const auto& [grade, defeats] : absorbed) {
      Build(c.belgian, c.owner, With(c.played, grade, -defeats));
      EXPECT_EQ(Estimate(), estimate) << defeats << " defeats at " << grade;
      // The most tried: "at least that many".
      if (defeats == NextGradeAdvice::kMaxDefeats) continue;
      Build(c.belgian, c.owner, With(c.played, grade, -defeats - 1));
      EXPECT_TRUE(Estimate().IsWorseThan(estimate)) << defeats + 1 << " defeats at " << grade;
    }
    for (const auto& [grade, count] : Wins(advice)) {
      Build(c.belgian, c.owner, With(c.played, grade, count));
      EXPECT_EQ(Estimate().Text(), target) << count << " wins at " << grade;
    }
  }
}

}  // namespace
}  // namespace scorvane

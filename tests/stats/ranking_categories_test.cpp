// Guards the "Played Ranks" walk: every ranking between the two ends falls
// in exactly one category, best first, on grade systems and on number
// systems where lower or higher is better, with and without the grouping of
// wide ranges.
#include "stats/matches/ranking_categories.h"

#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

class RankingCategoriesTest : public testing::CoreTest {
 protected:
  // A built-in system by its code, or "points": a number system from 0 to
  // 5000 where a higher number is better.
  void Use(const std::string& code) {
    points_.SetTitle("Points");
    points_.SetScale(0, 5000, true);
    Registry().SetActive(code == "points" ? &points_ : Registry().FindBuiltIn(code));
  }

  static std::vector<std::string> Labels(const RankingCategories& walk) {
    std::vector<std::string> labels;
    for (int i = 0; i < walk.Count(); ++i)
      labels.push_back(walk.At(i).label);
    return labels;
  }

  SYSTEME_CLASSEMENT points_;
};

TEST_F(RankingCategoriesTest, GradesAreWalkedOneByOneBestFirstInEitherOrder) {
  // French grades: 30/1 is 5, 15/4 is 8.
  for (const auto& [a, b] : {std::pair{5, 8}, std::pair{8, 5}}) {
    const RankingCategories walk = RankingCategories::Between(CLASSEMENT(a), CLASSEMENT(b));
    EXPECT_EQ(Labels(walk), (std::vector<std::string>{"15/4", "15/5", "30", "30/1"}));
    EXPECT_FALSE(walk.Grouped());
    EXPECT_EQ(walk.At(0).axis_label, "15/4");
  }
}

TEST_F(RankingCategoriesTest, WideNumberRangesAreGroupedFromAMultipleOfTenOnTheBetterSide) {
  struct Case {
    const char* system;  // "ATP" (lower is better) or the points system
    int a, b;
    int step;
    std::vector<std::string> first_labels;
    std::string first_axis;
  };
  const Case cases[] = {
      // Span 780: steps of 100, from the multiple of ten at or before the better end.
      {"ATP", 120, 900, 100, {"[ 120 -> 219 ]", "[ 220 -> 319 ]"}, "120\n219"},
      {"ATP", 119, 900, 100, {"[ 110 -> 209 ]", "[ 210 -> 309 ]"}, "110\n209"},
      {"ATP", 1, 60, 10, {"[ 1 -> 9 ]", "[ 10 -> 19 ]"}, "1\n9"},
      {"ATP", 1380, 1400, 10, {"[ 1380 -> 1389 ]", "[ 1390 -> 1399 ]", "1400"}, "1380\n1389"},
      {"points", 4875, 4500, 50, {"[ 4880 -> 4831 ]", "[ 4830 -> 4781 ]"}, "4880\n4831"},
  };
  for (const Case& c : cases) {
    Use(c.system);
    const RankingCategories walk = RankingCategories::Between(CLASSEMENT(c.a), CLASSEMENT(c.b));
    EXPECT_EQ(walk.Step(), c.step) << c.a << " " << c.b;
    const std::vector<std::string> labels = Labels(walk);
    ASSERT_GE(labels.size(), c.first_labels.size());
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + c.first_labels.size()),
              c.first_labels);
    EXPECT_EQ(walk.At(0).axis_label, c.first_axis);
  }
}

TEST_F(RankingCategoriesTest, EveryRankingBetweenTheEndsIsInExactlyOneCategoryInOrder) {
  struct Case {
    const char* system;
    int a, b;
  };
  const Case cases[] = {{"FRA", 0, 24},   {"BEL", 3, 12},         {"ATP", 120, 900}, {"ATP", 3, 17},
                        {"ATP", 1, 1400}, {"points", 5000, 4000}, {"points", 7, 23}};
  for (const Case& c : cases) {
    Use(c.system);
    const RankingCategories walk = RankingCategories::Between(CLASSEMENT(c.a), CLASSEMENT(c.b));
    const CLASSEMENT better(ActiveSystem().HigherIsBetter() ? std::max(c.a, c.b)
                                                            : std::min(c.a, c.b));
    int previous = 0;
    for (CLASSEMENT r = better;; r = r.OneStepWorse()) {
      const int index = walk.IndexOf(r);
      ASSERT_GE(index, previous) << c.system << " " << r.Value();
      const RankingCategory category = walk.At(index);
      EXPECT_FALSE(r.IsBetterThan(category.first)) << c.system << " " << r.Value();
      EXPECT_FALSE(r.IsWorseThan(category.last)) << c.system << " " << r.Value();
      previous = index;
      if (r.Value() == c.a + c.b - better.Value()) break;
    }
    EXPECT_EQ(previous, walk.Count() - 1) << c.system;
    EXPECT_EQ(walk.IndexOf(CLASSEMENT(-1)), -1) << "no ranking is in no category";
  }
}

TEST_F(RankingCategoriesTest, RankingsOutsideTheWalkOrEndsOutsideTheSystemGiveNoCategory) {
  Use("ATP");
  const RankingCategories walk = RankingCategories::Between(CLASSEMENT(20), CLASSEMENT(25));
  EXPECT_EQ(walk.Count(), 6);
  EXPECT_EQ(walk.IndexOf(CLASSEMENT(19)), -1);
  EXPECT_EQ(walk.IndexOf(CLASSEMENT(26)), -1);
  EXPECT_EQ(RankingCategories::Between(CLASSEMENT(-1), CLASSEMENT(25)).Count(), 0);
  EXPECT_EQ(RankingCategories::Between(CLASSEMENT(5), CLASSEMENT(1401)).Count(), 0);
}

}  // namespace
}  // namespace scorvane

// Guards the ranking history: the ranking in force at a date, entries kept
// in date order through additions and changes, first January under a
// yearly system. (Its stored layouts are guarded with the record versions.)
#include "ranking/ranking_history.h"

#include <gtest/gtest.h>

#include "ranking/ranking_registry.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class RankingHistoryTest : public CoreTest {
 protected:
  // {1 Jan 1999: 30/1, 1 Jan 2000: 15/5}
  void SetUp() override {
    CoreTest::SetUp();
    history_.Add(CLASSEMENT(5), DATE_SIMPLE(1, 1, 1999), "");
    history_.Add(CLASSEMENT(7), DATE_SIMPLE(1, 1, 2000), "promoted");
  }
  HISTORIQUE_CLASSEMENTS history_;
};

TEST_F(RankingHistoryTest, RankingAtADateTakesTheLastEntryNotAfterIt) {
  EXPECT_EQ(history_.RankingAt(DATE_SIMPLE(15, 6, 1999)).Text(), "30/1");
  EXPECT_EQ(history_.RankingAt(DATE_SIMPLE(1, 1, 2000)).Text(), "15/5");
  EXPECT_EQ(history_.RankingAt(DATE_SIMPLE(1, 1, 1998)).Text(), "30/1");
  EXPECT_EQ(history_.RankingForYear(2005).Text(), "15/5");
}

TEST_F(RankingHistoryTest, AnEmptyHistoryAnswersNoRanking) {
  HISTORIQUE_CLASSEMENTS empty;
  EXPECT_EQ(empty.RankingAt(DATE_SIMPLE(1, 1, 2000)).Value(), -1);
  EXPECT_EQ(empty.BestEntry(), nullptr);
  EXPECT_EQ(empty.WorstEntry(), nullptr);
  EXPECT_EQ(empty.EntryAt(DATE_SIMPLE()), nullptr);
}

TEST_F(RankingHistoryTest, AddingOnAnExistingDateReplaces) {
  history_.Add(CLASSEMENT(8), DATE_SIMPLE(1, 1, 2000), "new");
  ASSERT_EQ(history_.Count(), 2);
  EXPECT_EQ(history_.RankingForYear(2000).Text(), "15/4");
  EXPECT_EQ(history_.Entries().At(1)->Note(), "new");
  // Otherwise entries stay in date order.
  history_.Add(CLASSEMENT(3), DATE_SIMPLE(1, 1, 1995), "");
  history_.Add(CLASSEMENT(4), DATE_SIMPLE(1, 1, 1997), "");
  std::vector<int> years;
  for (const CLASSEMENT_DATE* entry : history_.Entries())
    years.push_back(entry->Date().Year());
  EXPECT_EQ(years, (std::vector<int>{1995, 1997, 1999, 2000}));
}

TEST_F(RankingHistoryTest, UnderAYearlySystemADateAddedOrChangedBecomesFirstJanuary) {
  CLASSEMENT_DATE* first = history_.Entries().Front();
  CLASSEMENT_DATE* changed = history_.Change(first, CLASSEMENT(6), DATE_SIMPLE(14, 7, 2003), "");
  ASSERT_NE(changed, nullptr);
  EXPECT_TRUE(changed->Date().IsEqual(DATE_SIMPLE(1, 1, 2003)));
  EXPECT_EQ(history_.Entries().At(1), changed);
  EXPECT_EQ(history_.RankingForYear(1999).Text(), "15/5");
  history_.Add(CLASSEMENT(9), DATE_SIMPLE(14, 7, 2001), "");
  EXPECT_TRUE(history_.Entries().At(1)->Date().IsEqual(DATE_SIMPLE(1, 1, 2001)));

  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  HISTORIQUE_CLASSEMENTS dated;
  dated.Add(CLASSEMENT(300), DATE_SIMPLE(14, 7, 2001), "");
  dated.Add(CLASSEMENT(200), DATE_SIMPLE(1, 3, 2001), "");
  EXPECT_TRUE(dated.Entries().At(1)->Date().IsEqual(DATE_SIMPLE(14, 7, 2001)));
  EXPECT_EQ(dated.RankingAt(DATE_SIMPLE(1, 5, 2001)).Value(), 200);
}

// Changing an entry from the history dialog keeps the history ordered, so
// every lookup by date still finds the right entry.
TEST_F(RankingHistoryTest, AChangedEntryKeepsTheHistoryInDateOrder) {
  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  HISTORIQUE_CLASSEMENTS dated;
  CLASSEMENT_DATE* march = dated.Add(CLASSEMENT(300), DATE_SIMPLE(1, 3, 2001), "");
  dated.Add(CLASSEMENT(200), DATE_SIMPLE(1, 6, 2001), "");
  dated.Add(CLASSEMENT(100), DATE_SIMPLE(1, 9, 2001), "");
  const auto values = [&dated] {
    std::vector<int> result;
    for (const CLASSEMENT_DATE* entry : dated.Entries())
      result.push_back(entry->Ranking().Value());
    return result;
  };

  // Same date: in place, same entry.
  EXPECT_EQ(dated.Change(march, CLASSEMENT(250), DATE_SIMPLE(1, 3, 2001), "n"), march);
  EXPECT_EQ(values(), (std::vector<int>{250, 200, 100}));
  // Moved after the others: the lookups follow.
  CLASSEMENT_DATE* moved = dated.Change(march, CLASSEMENT(50), DATE_SIMPLE(1, 12, 2001), "late");
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(values(), (std::vector<int>{200, 100, 50}));
  EXPECT_EQ(dated.RankingAt(DATE_SIMPLE(15, 10, 2001)).Value(), 100);
  EXPECT_EQ(dated.RankingAt(DATE_SIMPLE(15, 12, 2001)).Value(), 50);
  EXPECT_EQ(moved->Note(), "late");
  // Moved onto another entry's date: it takes that entry over.
  CLASSEMENT_DATE* merged = dated.Change(moved, CLASSEMENT(70), DATE_SIMPLE(1, 6, 2001), "");
  EXPECT_EQ(dated.Count(), 2);
  EXPECT_EQ(values(), (std::vector<int>{70, 100}));
  EXPECT_EQ(merged, dated.Entries().Front());
  // An entry of another history is left alone.
  CLASSEMENT_DATE stranger;
  EXPECT_EQ(dated.Change(&stranger, CLASSEMENT(1), DATE_SIMPLE(1, 1, 2001), ""), nullptr);
  EXPECT_EQ(dated.Count(), 2);
}

TEST_F(RankingHistoryTest, RemoveIsRefusedUnderTwoEntries) {
  EXPECT_TRUE(history_.Remove(history_.Entries().Front()));
  EXPECT_FALSE(history_.Remove(history_.Entries().Front()));
  EXPECT_EQ(history_.Count(), 1);
}

// The ranking for a year is kept between questions: every change of the
// history must give the answer of the changed history.
TEST_F(RankingHistoryTest, TheRankingForAYearFollowsEveryChange) {
  EXPECT_EQ(history_.RankingForYear(2001).Text(), "15/5");
  history_.Add(CLASSEMENT(9), DATE_SIMPLE(1, 1, 2001), "");
  EXPECT_EQ(history_.RankingForYear(2001).Text(), "15/3");
  CLASSEMENT_DATE* latest =
      history_.Change(history_.Entries().At(2), CLASSEMENT(9), DATE_SIMPLE(1, 1, 2003), "");
  EXPECT_EQ(history_.RankingForYear(2001).Text(), "15/5");
  latest->SetRanking(CLASSEMENT(10));  // a value changed in place
  EXPECT_EQ(history_.RankingForYear(2004).Text(), "15/2");
  EXPECT_TRUE(history_.Remove(history_.Entries().At(2)));
  EXPECT_EQ(history_.RankingForYear(2004).Text(), "15/5");
  history_.Clear();
  EXPECT_TRUE(history_.RankingForYear(2004).IsNone());
}

TEST_F(RankingHistoryTest, BestAndWorstTakeTheFirstAmongEquals) {
  history_.Add(CLASSEMENT(7), DATE_SIMPLE(1, 1, 2001), "");
  history_.Add(CLASSEMENT(5), DATE_SIMPLE(1, 1, 2002), "");
  EXPECT_EQ(history_.BestEntry()->Date().Year(), 2000);
  EXPECT_EQ(history_.WorstEntry()->Date().Year(), 1999);
}

}  // namespace
}  // namespace scorvane

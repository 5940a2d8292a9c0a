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
}

TEST_F(RankingHistoryTest, UnderAYearlySystemADateBecomesFirstJanuary) {
  history_.Add(CLASSEMENT(9), DATE_SIMPLE(14, 7, 2001), "");
  EXPECT_TRUE(history_.Entries().At(2)->Date().IsEqual(DATE_SIMPLE(1, 1, 2001)));

  Registry().SetActive(Registry().FindBuiltIn("ATP"));
  HISTORIQUE_CLASSEMENTS dated;
  dated.Add(CLASSEMENT(300), DATE_SIMPLE(14, 7, 2001), "");
  dated.Add(CLASSEMENT(200), DATE_SIMPLE(1, 3, 2001), "");
  EXPECT_TRUE(dated.Entries().At(1)->Date().IsEqual(DATE_SIMPLE(14, 7, 2001)));
  EXPECT_EQ(dated.RankingAt(DATE_SIMPLE(1, 5, 2001)).Value(), 200);
}

TEST_F(RankingHistoryTest, EntriesStayInDateOrder) {
  history_.Add(CLASSEMENT(3), DATE_SIMPLE(1, 1, 1995), "");
  history_.Add(CLASSEMENT(4), DATE_SIMPLE(1, 1, 1997), "");
  std::vector<int> years;
  for (const CLASSEMENT_DATE* entry : history_.Entries())
    years.push_back(entry->Date().Year());
  EXPECT_EQ(years, (std::vector<int>{1995, 1997, 1999, 2000}));
}

TEST_F(RankingHistoryTest, RemoveIsRefusedUnderTwoEntries) {
  EXPECT_TRUE(history_.Remove(history_.Entries().Front()));
  EXPECT_FALSE(history_.Remove(history_.Entries().Front()));
  EXPECT_EQ(history_.Count(), 1);
}

TEST_F(RankingHistoryTest, BestAndWorstTakeTheFirstAmongEquals) {
  history_.Add(CLASSEMENT(7), DATE_SIMPLE(1, 1, 2001), "");
  history_.Add(CLASSEMENT(5), DATE_SIMPLE(1, 1, 2002), "");
  EXPECT_EQ(history_.BestEntry()->Date().Year(), 2000);
  EXPECT_EQ(history_.WorstEntry()->Date().Year(), 1999);
}

TEST_F(RankingHistoryTest, RoundTripsWithNotes) {
  Archive out;
  history_.Serialize(out);
  Archive in(out.Bytes());
  HISTORIQUE_CLASSEMENTS read;
  read.Serialize(in);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.Entries().At(1)->Note(), "promoted");
  EXPECT_EQ(read.RankingForYear(2000).Value(), 7);
}

TEST_F(RankingHistoryTest, AVersion0EntryHasNoNote) {
  Archive out;
  out.WriteU16(0);       // history version
  out.WriteU16(0x0000);  // one entry
  out.WriteU16(0);       // entry version 0: no note
  CLASSEMENT(4).Serialize(out);
  DATE_SIMPLE(1, 1, 1998).Serialize(out);
  out.WriteU16(0xFFFF);
  Archive in(out.Bytes());
  HISTORIQUE_CLASSEMENTS read;
  read.Serialize(in);
  ASSERT_EQ(read.Count(), 1);
  EXPECT_EQ(read.Entries().Front()->Note(), "");
  EXPECT_EQ(read.RankingForYear(1998).Text(), "30/2");
}

}  // namespace
}  // namespace scorvane

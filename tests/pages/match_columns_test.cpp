// The matches page's sort orders, among them the ranking order in which a
// line without ranking comes first.
#include "pages/matches/match_columns.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/catalogue/messages.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

namespace col = match_column;

class MatchColumnsTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    b_.emplace(Owner());
    b_->Season(2001, "30/1");
    open_ = b_->Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  }

  std::optional<testing::DocumentBuilder> b_;
  EPREUVE_JOUEE* open_ = nullptr;
};

TEST_F(MatchColumnsTest, SortCommandsOrderTheLines) {
  // a: lost in June to a 15/1; b: won in February against an unranked
  // player; c: won in May against a 30/2 who becomes 15/5.
  EPREUVE_JOUEE* june = b_->Tournament("Zulu Cup", DATE_SIMPLE(1, 6, 2001));
  EPREUVE_JOUEE* february = b_->Tournament("Alpha Cup", DATE_SIMPLE(1, 2, 2001));
  RENCONTRE* a = b_->Singles(june, b_->Player("Luc", "martin", {{2001, "15/1"}}), false, "4/6");
  RENCONTRE* b = b_->Singles(february, b_->Player("Paul", "Zidane"), true, "6/1");
  RENCONTRE* c = b_->Singles(
      open_, b_->Player("anne", "Martinez", {{2001, "30/2"}, {2002, "15/5"}}), true, "7/5");
  using Lines = std::vector<RENCONTRE*>;
  // Equal lines keep their order in both directions.
  const struct {
    int column;
    Lines ascending;
    Lines descending;
  } cases[] = {
      {col::kResult, {b, c, a}, {a, b, c}},
      {col::kDate, {b, c, a}, {a, c, b}},
      // No ranking first, then from the weakest ranking to the best.
      {col::kRank, {b, c, a}, {a, c, b}},
      {col::kFutureRank, {a, b, c}, {c, a, b}},
      {col::kEvent, {b, c, a}, {a, c, b}},
      {col::kFirstName, {c, a, b}, {b, a, c}},
      // "martin" begins "Martinez" and so comes after it.
      {col::kSurname, {c, a, b}, {b, a, c}},
  };
  const std::vector<RowItem> items = {a, b, c};
  const auto sorted = [&](const ListColumnModel& columns) {
    Lines lines;
    for (size_t index : columns.SortedOrder(items, 2001))
      lines.push_back(items[index].As<RENCONTRE>());
    return lines;
  };
  for (const auto& test : cases) {
    ListColumnModel columns = MakeMatchColumns();
    ASSERT_TRUE(columns.MakePrimary(test.column));
    EXPECT_EQ(sorted(columns), test.ascending) << test.column;
    columns.SetDirection(false);
    EXPECT_EQ(sorted(columns), test.descending) << test.column;
  }
  // The line number and the score cannot be sorted on.
  EXPECT_FALSE(MakeMatchColumns().MakePrimary(col::kCount));
  EXPECT_FALSE(MakeMatchColumns().MakePrimary(col::kScore));
}

}  // namespace
}  // namespace scorvane

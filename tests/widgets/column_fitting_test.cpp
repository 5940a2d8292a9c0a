// Column widths of a list that follows its contents: needs that fit are
// kept, the widest columns give up room first, never those kept whole; and
// when a printed list turns its sheet.
#include "widgets/listview/column_fitting.h"

#include <gtest/gtest.h>

#include <vector>

namespace scorvane {
namespace {

struct FitCase {
  const char* name;
  std::vector<ColumnNeed> columns;
  int available;
  std::vector<int> widths;
};

class FitColumnWidthsTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitColumnWidthsTest, GivesTheExpectedWidths) {
  const FitCase& c = GetParam();
  EXPECT_EQ(FitColumnWidths(c.columns, c.available, 40), c.widths);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitColumnWidthsTest,
    ::testing::Values(
        FitCase{"NeedsThatFitAreKept", {{70, false}, {200, false}, {50, true}}, 400, {70, 200, 50}},
        // 300 pixels for three columns: the date keeps 70, the two texts
        // share 230 equally.
        FitCase{"WidestGiveUpRoomFirst",
                {{70, false}, {300, false}, {200, false}},
                300,
                {70, 115, 115}},
        // The same needs with a wide date kept whole: the texts share what
        // the date leaves them.
        FitCase{
            "KeptWholeKeepsItsNeed", {{150, true}, {300, false}, {200, false}}, 300, {150, 75, 75}},
        // Nothing left for the texts: they keep the least width and the
        // list scrolls rather than cut the date.
        FitCase{"LeastWidthWhenNothingIsLeft",
                {{290, true}, {300, false}, {20, false}},
                300,
                {290, 40, 20}},
        FitCase{"AllKeptWholeScrolls", {{200, true}, {200, true}}, 300, {200, 200}}),
    [](const ::testing::TestParamInfo<FitCase>& fit) { return fit.param.name; });

TEST(PrintsInLandscapeTest, OnlyWhenTheColumnsDoNotFitUpright) {
  const std::vector<ColumnNeed> columns{{300, true}, {400, false}};
  EXPECT_FALSE(PrintsInLandscape(columns, 700));
  EXPECT_TRUE(PrintsInLandscape(columns, 699));
}

}  // namespace
}  // namespace scorvane

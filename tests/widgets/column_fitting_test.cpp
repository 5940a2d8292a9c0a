// Column widths of a list that follows its contents: needs that fit are
// kept, the widest columns give up room first, never those kept whole; and
// when a printed list turns its sheet.
#include "widgets/listview/column_fitting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace scorvane {
namespace {

struct FitCase {
  const char* name;
  std::vector<ColumnNeed> columns;
  int available;
  std::vector<int> widths;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FitCase& fit, std::ostream* out) {
  *out << fit.name;
}

class FitColumnWidthsTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitColumnWidthsTest, GivesTheExpectedWidths) {
  const FitCase& c = GetParam();
  EXPECT_EQ(FitColumnWidths(c.columns, c.available, 40), c.widths);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitColumnWidthsTest,
    ::testing::Values(
        FitCase{"NeedsThatFitAreKept", {{70, 0}, {200, 0}, {50, 50}}, 400, {70, 200, 50}},
        // 300 pixels for three columns: the short one keeps 70, the two
        // texts share 230 equally.
        FitCase{"WidestGiveUpRoomFirst", {{70, 0}, {300, 0}, {200, 0}}, 300, {70, 115, 115}},
        // A date kept whole keeps its texts (120) but not its heading (150);
        // the texts share what it leaves them.
        FitCase{"KeptWholeKeepsItsTexts", {{150, 120}, {300, 0}, {200, 0}}, 300, {120, 90, 90}},
        // Room the others do not need goes back to the date's heading.
        FitCase{"HeadingGetsWhatOthersLeave", {{150, 120}, {60, 0}, {50, 0}}, 240, {130, 60, 50}},
        // Nothing left for the texts: they keep the least width and the
        // list scrolls rather than cut the date.
        FitCase{"LeastWidthWhenNothingIsLeft", {{290, 290}, {300, 0}, {20, 0}}, 300, {290, 40, 20}},
        FitCase{"EmptyKeptColumnKeepsTheLeast", {{85, 9}, {300, 0}}, 100, {40, 60}},
        FitCase{"AllKeptWholeScrolls", {{200, 200}, {200, 200}}, 300, {200, 200}}),
    [](const ::testing::TestParamInfo<FitCase>& fit) { return fit.param.name; });

TEST(PrintsInLandscapeTest, OnlyWhenTheColumnsDoNotFitUpright) {
  const std::vector<ColumnNeed> columns{{300, 300}, {400, 0}};
  EXPECT_FALSE(PrintsInLandscape(columns, 700));
  EXPECT_TRUE(PrintsInLandscape(columns, 699));
}

}  // namespace
}  // namespace scorvane

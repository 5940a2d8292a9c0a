// Row colours of the grouped list: the default pair, groups taking the
// pairs of the cycle in turn, and every group beginning with colour A.
#include "widgets/listview/list_colours.h"

#include <gtest/gtest.h>

#include <vector>

namespace scorvane {
namespace {

using list_pairs::kCream;
using list_pairs::kGreen;

struct ColourCase {
  const char* name;
  std::vector<int> group_starts;
  std::vector<GROUPE_LISTE> cycle;
  // Expected colours of rows 0, 1, 2...
  std::vector<Rgb> rows;
};

TEST(RowColourTest, FollowsGroupsAndCycle) {
  const GROUPE_LISTE kBlue = list_pairs::kBlue;
  const ColourCase cases[] = {
      {"no groups: cream from the first row",
       {},
       {kCream, kGreen},
       {kCream.a, kCream.b, kCream.a, kCream.b, kCream.a}},
      {"groups at 0 and 3",
       {0, 3},
       {kCream, kGreen},
       {kGreen.a, kGreen.b, kGreen.a, kCream.a, kCream.b, kCream.a}},
      {"a third group is green again",
       {0, 3, 5},
       {kCream, kGreen},
       {kGreen.a, kGreen.b, kGreen.a, kCream.a, kCream.b, kGreen.a, kGreen.b}},
      {"rows before the first group take the first pair",
       {2, 3},
       {kCream, kGreen},
       {kCream.a, kCream.b, kGreen.a, kCream.a, kCream.b}},
      {"a cycle of three wraps round",
       {0, 1, 2, 3},
       {kCream, kGreen, kBlue},
       {kGreen.a, kBlue.a, kCream.a, kGreen.a, kGreen.b}},
      {"groups without a cycle use the default pair",
       {0, 2},
       {},
       {kCream.a, kCream.b, kCream.a, kCream.b}},
      {"the same row given twice moves the cycle twice",
       {0, 2, 2},
       {kCream, kGreen},
       {kGreen.a, kGreen.b, kGreen.a, kGreen.b}},
  };
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.name);
    RowColouring colouring;
    colouring.enabled = true;
    colouring.group_starts = c.group_starts;
    colouring.cycle = c.cycle;
    for (size_t row = 0; row < c.rows.size(); ++row)
      EXPECT_EQ(RowColour(static_cast<int>(row), colouring), c.rows[row]) << "row " << row;
  }
}

TEST(RowColourTest, RowsAreWhiteUntilColouringIsOn) {
  const std::vector<int> starts{0, 3};
  const std::vector<GROUPE_LISTE> cycle{kCream, kGreen};
  RowColouring colouring;
  colouring.group_starts = starts;
  colouring.cycle = cycle;
  for (int row : {0, 1, 3, 4})
    EXPECT_EQ(RowColour(row, colouring), kWhite);
}

TEST(RowColourTest, DefaultPairIsTheOwnersChoice) {
  RowColouring colouring;
  colouring.enabled = true;
  colouring.default_pair = list_pairs::kPink;
  EXPECT_EQ(RowColour(0, colouring), list_pairs::kPink.a);
  EXPECT_EQ(RowColour(7, colouring), list_pairs::kPink.b);
}

}  // namespace
}  // namespace scorvane

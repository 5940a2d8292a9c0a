// Page breaks of a printed list: full pages, groups moved whole to the next
// page, groups longer than a page split at the page limit.
#include "widgets/listview/page_breaks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace scorvane {
namespace {

struct BreakCase {
  const char* name;
  int rows;
  std::vector<int> group_starts;
  int rows_per_page;
  std::vector<int> first_rows;
};

TEST(PageBreaksTest, BreaksWhereTheRuleSays) {
  const BreakCase cases[] = {
      {"an empty list prints one page", 0, {}, 40, {0}},
      {"one page exactly", 40, {}, 40, {0}},
      {"full pages without groups", 95, {}, 40, {0, 40, 80}},
      {"a group of 30 near the end of a page moves whole", 100, {0, 35, 65}, 40, {0, 35, 65}},
      {"a group longer than a page is broken at the page limit", 100, {0}, 40, {0, 40, 80}},
      {"a long group starting mid-page moves, then breaks at the limit",
       130,
       {0, 25},
       40,
       {0, 25, 65, 105}},
      {"a group starting at half a page stays and is split", 60, {0, 20}, 40, {0, 40}},
      {"a group starting just after half a page moves", 60, {0, 21}, 40, {0, 21}},
      {"a group starting on the first row of the next page", 60, {0, 40}, 40, {0, 40}},
      {"a page holds at least one row", 3, {}, 0, {0, 1, 2}},
      {"negative rows per page count as one", 2, {0, 1}, -5, {0, 1}},
  };
  for (const BreakCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PageFirstRows(c.rows, c.group_starts, c.rows_per_page), c.first_rows);
  }
}

TEST(PageBreaksTest, TallRowsTakeTheirLines) {
  // Pages of 6 lines; row 2 wraps onto 3 lines.
  const std::vector<int> lines = {1, 1, 3, 1, 1, 1, 2, 1};
  EXPECT_EQ(PageFirstRowsByLines(lines, {}, 6), (std::vector<int>{0, 4}));
  // A group starting at row 3 (5 lines into the page) moves whole.
  EXPECT_EQ(PageFirstRowsByLines(lines, std::vector<int>{0, 3}, 6), (std::vector<int>{0, 3}));
  // A row taller than a page stands alone on its page.
  EXPECT_EQ(PageFirstRowsByLines(std::vector<int>{1, 9, 1}, {}, 6), (std::vector<int>{0, 1, 2}));
}

// Whatever the groups, pages follow each other, hold between one row and
// a full page, and a group no longer than half a page is never split.
TEST(PageBreaksTest, PagesAreWellFormed) {
  const int rows_per_page = 20;
  for (int group_length : {1, 3, 7, 10, 13, 25}) {
    std::vector<int> starts;
    for (int row = 0; row < 200; row += group_length)
      starts.push_back(row);
    const std::vector<int> first = PageFirstRows(200, starts, rows_per_page);
    SCOPED_TRACE(group_length);
    ASSERT_EQ(first.front(), 0);
    for (size_t page = 0; page < first.size(); ++page) {
      const int end = page + 1 < first.size() ? first[page + 1] : 200;
      EXPECT_GT(end, first[page]);
      EXPECT_LE(end - first[page], rows_per_page);
    }
    if (group_length * 2 > rows_per_page) continue;
    for (int start : starts) {
      const int last = std::min(start + group_length, 200) - 1;
      int pages_of_group = 0;
      for (int page_first : first) {
        if (page_first > start && page_first <= last) ++pages_of_group;
      }
      EXPECT_EQ(pages_of_group, 0) << "group at " << start << " split";
    }
  }
}

TEST(PageBreaksTest, RowsPerPageLeavesTheReservedRows) {
  EXPECT_EQ(RowsPerPage(1000, 10, 11), 89);
  EXPECT_EQ(RowsPerPage(1009.9, 10, 0), 100);
  EXPECT_EQ(RowsPerPage(50, 10, 11), 1);
  EXPECT_EQ(RowsPerPage(0, 10, 11), 1);
  EXPECT_EQ(RowsPerPage(1000, 0, 11), 1);
  EXPECT_EQ(RowsPerPage(1000, std::numeric_limits<double>::quiet_NaN(), 1), 1);
  EXPECT_EQ(RowsPerPage(std::numeric_limits<double>::infinity(), 10, 1), 1000000);
}

}  // namespace
}  // namespace scorvane

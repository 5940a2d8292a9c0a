#include "widgets/listview/page_breaks.h"

#include <algorithm>
#include <cmath>

#include "widgets/listview/list_colours.h"

namespace scorvane {

std::vector<int> PageFirstRows(int row_count, std::span<const int> group_starts,
                               int rows_per_page) {
  rows_per_page = std::max(rows_per_page, 1);
  std::vector<int> first_rows{0};
  int page_first = 0;
  int last_group_start = -1;
  for (int row = 0; row < row_count; ++row) {
    if (IsGroupStart(row, group_starts)) last_group_start = row;
    if (row - page_first < rows_per_page) continue;
    // The page is full before this row. A group that began no later than
    // half a page after the page's first row (or before the page) is split
    // here; a later one moves whole to the next page.
    const bool split_here =
        last_group_start < 0 || 2 * (last_group_start - page_first) <= rows_per_page;
    page_first = split_here ? row : last_group_start;
    first_rows.push_back(page_first);
  }
  return first_rows;
}

int RowsPerPage(double available_height, double row_height, int reserved_rows) {
  if (!(row_height > 0) || !(available_height > 0)) return 1;
  const double whole = std::floor(available_height / row_height);
  if (whole >= 1e6) return 1000000;
  return std::max(static_cast<int>(whole) - reserved_rows, 1);
}

}  // namespace scorvane

// Where a printed list starts a new page. A page holds a fixed number of
// rows; a group that would begin in the second half of a page and not fit
// is moved whole to the next page instead of being split.
// Kept free of Qt so that the rule is tested on its own.
#pragma once

#include <span>
#include <vector>

namespace scorvane {

// The first row of every printed page: always at least one page (starting
// at row 0), even for an empty list. `group_starts` in increasing order.
// A page holds at least one row whatever `rows_per_page` says.
std::vector<int> PageFirstRows(int row_count, std::span<const int> group_starts, int rows_per_page);

// The same for rows of different heights: row r takes `row_lines[r]` lines
// (at least one) and a page holds `lines_per_page` lines; halves of a page
// are counted in lines.
std::vector<int> PageFirstRowsByLines(std::span<const int> row_lines,
                                      std::span<const int> group_starts, int lines_per_page);

// How many rows fit on a page: the whole rows of `row_height` in
// `available_height`, less `reserved_rows`; never fewer than one.
int RowsPerPage(double available_height, double row_height, int reserved_rows);

}  // namespace scorvane

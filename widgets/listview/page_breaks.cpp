#include "widgets/listview/page_breaks.h"

#include <algorithm>
#include <cmath>

#include "widgets/listview/list_colours.h"

namespace scorvane {

std::vector<int> PageFirstRows(int row_count, std::span<const int> group_starts,
                               int rows_per_page) {
  // Every row one line high.
  const std::vector<int> ones(static_cast<std::size_t>(std::max(row_count, 0)), 1);
  return PageFirstRowsByLines(ones, group_starts, rows_per_page);
}

std::vector<int> PageFirstRowsByLines(std::span<const int> row_lines,
                                      std::span<const int> group_starts, int lines_per_page) {
  lines_per_page = std::max(lines_per_page, 1);
  // before[r]: the lines of the rows before row r.
  std::vector<long> before(row_lines.size() + 1, 0);
  for (std::size_t row = 0; row < row_lines.size(); ++row)
    before[row + 1] = before[row] + std::max(row_lines[row], 1);
  std::vector<int> first_rows{0};
  int page_first = 0;
  int last_group_start = -1;
  for (int row = 0; row < static_cast<int>(row_lines.size()); ++row) {
    if (IsGroupStart(row, group_starts)) last_group_start = row;
    const auto at = [&before](int r) { return before[static_cast<std::size_t>(r)]; };
    if (row == page_first || at(row + 1) - at(page_first) <= lines_per_page) continue;
    const bool split_here = last_group_start <= page_first ||
                            2 * (at(last_group_start) - at(page_first)) <= lines_per_page;
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

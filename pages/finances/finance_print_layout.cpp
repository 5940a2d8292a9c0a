#include "pages/finances/finance_print_layout.h"

#include <algorithm>
#include <cmath>

namespace scorvane {

std::vector<std::vector<PrintPiece>> LayOutSections(double page_height, double gap,
                                                    std::span<const PrintSection> sections) {
  std::vector<std::vector<PrintPiece>> pages(1);
  double y = 0;
  const auto new_page = [&] {
    pages.emplace_back();
    y = 0;
  };
  for (size_t index = 0; index < sections.size(); ++index) {
    const PrintSection& section = sections[index];
    const int number = static_cast<int>(index);
    const double row = std::max(section.row_height, 1e-9);
    // The heading, the column headings and one row stay together.
    const double together = section.heading_height + row * (section.rows > 0 ? 2 : 1);
    if (y > 0 && y + together > page_height) new_page();
    pages.back().push_back({number, true, y, 0, 0});
    y += section.heading_height;
    int first = 0;
    do {
      int fitting = static_cast<int>(std::floor((page_height - y) / row)) - 1;
      if (fitting < 1 && section.rows > first) {
        if (y > 0) {
          new_page();
          continue;
        }
        fitting = 1;  // a page lower than two rows still takes one, so printing ends
      }
      const int end = first + std::min(std::max(fitting, 0), section.rows - first);
      pages.back().push_back({number, false, y, first, end});
      y += row * (1 + end - first);
      first = end;
      if (first < section.rows) new_page();
    } while (first < section.rows);
    y += gap;
  }
  return pages;
}

}  // namespace scorvane

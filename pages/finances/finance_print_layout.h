// Where the printed finances go on the pages: the gains, prizes and
// expenses lists one after the other, each under its heading, a list
// continued over as many pages as it needs with its column headings again
// at the top of each. A heading is never left alone at the bottom of a page:
// it moves to the next page with its column headings and first row. Kept
// free of Qt so that the rule is tested on its own.
#pragma once

#include <span>
#include <vector>

namespace scorvane {

// One list to print: the height of its heading line, of one row (the
// column headings take one row too), and its number of rows.
struct PrintSection {
  double heading_height = 0;
  double row_height = 1;
  int rows = 0;
};

// One thing on a page, `top` from the top of the printable area: a
// section's heading, or its column headings with rows [first, end).
struct PrintPiece {
  int section = 0;
  bool heading = false;
  double top = 0;
  int first = 0;
  int end = 0;

  friend bool operator==(const PrintPiece&, const PrintPiece&) = default;
};

// The pieces of every page (at least one page), for pages `page_height`
// high and `gap` of air after each list.
std::vector<std::vector<PrintPiece>> LayOutSections(double page_height, double gap,
                                                    std::span<const PrintSection> sections);

}  // namespace scorvane

// Guards where the printed finance lists go: one after the other, a list
// continued over pages with its column headings again, a heading never left
// alone at the bottom of a page, and printing that always ends.
#include "pages/finances/finance_print_layout.h"

#include <gtest/gtest.h>

namespace scorvane {
namespace {

using Pages = std::vector<std::vector<PrintPiece>>;

PrintPiece Heading(int section, double top) {
  return {section, true, top, 0, 0};
}
PrintPiece Rows(int section, double top, int first, int end) {
  return {section, false, top, first, end};
}

TEST(FinancePrintLayout, ListsFollowEachOtherAndContinueOverPages) {
  const struct {
    const char* name;
    double page_height;
    std::vector<PrintSection> sections;
    Pages pages;
  } cases[] = {
      {"all on one page",
       100,
       {{10, 5, 2}, {10, 5, 0}, {10, 5, 3}},
       {{Heading(0, 0), Rows(0, 10, 0, 2), Heading(1, 27), Rows(1, 37, 0, 0), Heading(2, 44),
         Rows(2, 54, 0, 3)}}},
      {"a long list goes on with its headings",
       50,
       {{10, 5, 12}},
       {{Heading(0, 0), Rows(0, 10, 0, 7)}, {Rows(0, 0, 7, 12)}}},
      {"a heading without room for a row moves",
       50,
       {{10, 5, 5}, {10, 5, 4}},
       {{Heading(0, 0), Rows(0, 10, 0, 5)}, {Heading(1, 0), Rows(1, 10, 0, 4)}}},
      {"a page lower than two rows still ends",
       6,
       {{0, 5, 2}},
       {{Heading(0, 0), Rows(0, 0, 0, 1)}, {Rows(0, 0, 1, 2)}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LayOutSections(c.page_height, 2, c.sections), c.pages) << c.name;
  }
}

}  // namespace
}  // namespace scorvane

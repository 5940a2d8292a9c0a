// Columns that follow their contents: every need when they fit, otherwise
// the widest columns cut down to one width so that short ones stay whole.
#include <gtest/gtest.h>

#include "widgets/listview/column_fitting.h"

namespace scorvane {
namespace {

TEST(ColumnFittingTest, WidestColumnsGiveUpRoomFirst) {
  const struct {
    const char* what;
    std::vector<int> needed;
    int available;
    std::vector<int> widths;
  } cases[] = {
      {"room for all", {80, 200, 90}, 400, {80, 200, 90}},
      {"exactly the room", {80, 200, 120}, 400, {80, 200, 120}},
      {"one long name", {4000, 122}, 500, {378, 122}},
      {"two long texts share", {90, 700, 900, 60}, 650, {90, 250, 250, 60}},
      {"no room at all keeps the least", {300, 300}, 20, {40, 40}},
      {"needs under the least are kept", {10, 500}, 100, {10, 90}},
      {"no column", {}, 300, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FitColumnWidths(c.needed, c.available, 40), c.widths) << c.what;
}

}  // namespace
}  // namespace scorvane

// How wide the columns of a list are drawn when they follow their contents:
// each as wide as its heading and texts need, but never so wide together
// that the list must scroll sideways while it could show every column; and
// whether a printed list needs the width of a landscape sheet.
// Kept free of Qt so that the rules are tested on their own.
#pragma once

#include <span>
#include <vector>

namespace scorvane {

// What one column needs to show its heading and texts uncut, and what it
// keeps however little room there is: the width of its texts for a column
// kept whole (dates, points, short numbers: a cut one would read wrong),
// nothing for the others.
struct ColumnNeed {
  int width = 0;
  int whole = 0;
};

// The widths for columns with these needs, in a list showing `available`
// pixels. When the needs fit, each column gets what it needs. Otherwise the
// columns kept whole keep their texts' width and the others share the rest:
// the widest give up room first, all down to the same width, so that short
// columns stay whole and only the longest texts are cut; no column goes
// below `least` (nor below its need when that is smaller), even when the
// list must then scroll. Room the others leave goes back to the headings of
// the columns kept whole.
std::vector<int> FitColumnWidths(std::span<const ColumnNeed> columns, int available, int least);

// A list printed on sheets whose printable width holds `portrait_room`
// pixels upright turns the sheet when its columns do not fit that width: a
// landscape sheet shows them whole, or cuts and wraps less of them.
bool PrintsInLandscape(std::span<const ColumnNeed> columns, int portrait_room);

}  // namespace scorvane

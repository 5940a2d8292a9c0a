// How wide the columns of a list are drawn when they follow their contents:
// each as wide as its heading and texts need, but never so wide together
// that the list must scroll sideways while it could show every column.
// Kept free of Qt so that the rule is tested on its own.
#pragma once

#include <span>
#include <vector>

namespace scorvane {

// The widths for columns that need `needed` pixels each, in a list showing
// `available` pixels. When the needs fit, each column gets what it needs.
// Otherwise the widest columns give up room first, all down to the same
// width, so that short columns (dates, codes, telephone numbers) stay whole
// and only the longest texts are cut; no column goes below `least` (nor
// below its need when that is smaller), even when the list must then scroll.
std::vector<int> FitColumnWidths(std::span<const int> needed, int available, int least);

}  // namespace scorvane

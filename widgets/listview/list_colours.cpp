#include "widgets/listview/list_colours.h"

#include <algorithm>

namespace scorvane {

Rgb RowColour(int row, const RowColouring& colouring) {
  if (!colouring.enabled) return kWhite;
  if (colouring.group_starts.empty() || colouring.cycle.empty())
    return colouring.default_pair.ColourOfRow(row);
  // Every group start at or before the row moves one pair further round the
  // cycle; the latest of them is where the row's group begins. Both depend
  // only on how many starts lie at or before the row and the largest of them.
  const auto end =
      std::upper_bound(colouring.group_starts.begin(), colouring.group_starts.end(), row);
  const auto passed = static_cast<size_t>(end - colouring.group_starts.begin());
  const int group_start = passed == 0 ? 0 : std::max(0, *(end - 1));
  const GROUPE_LISTE& pair = colouring.cycle[passed % colouring.cycle.size()];
  return pair.ColourOfRow(row - group_start);
}

bool IsGroupStart(int row, std::span<const int> group_starts) {
  return std::binary_search(group_starts.begin(), group_starts.end(), row);
}

}  // namespace scorvane

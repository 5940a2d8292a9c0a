#include "widgets/listview/column_fitting.h"

#include <algorithm>
#include <numeric>

namespace scorvane {

std::vector<int> FitColumnWidths(std::span<const int> needed, int available, int least) {
  std::vector<int> widths(needed.begin(), needed.end());
  const long total = std::accumulate(needed.begin(), needed.end(), 0L);
  if (total <= available || widths.empty()) return widths;
  // The widest width every column may keep: walking the needs from the
  // smallest, each column that needs less than an equal share of the room
  // left keeps its need; the others share what remains equally.
  std::vector<int> ascending = widths;
  std::sort(ascending.begin(), ascending.end());
  long room = available;
  int cap = ascending.back();
  for (size_t i = 0; i < ascending.size(); ++i) {
    const long share = room / static_cast<long>(ascending.size() - i);
    if (ascending[i] > share) {
      cap = static_cast<int>(std::max(share, 0L));
      break;
    }
    room -= ascending[i];
  }
  for (int& width : widths)
    width = std::min(width, std::max(cap, least));
  return widths;
}

}  // namespace scorvane

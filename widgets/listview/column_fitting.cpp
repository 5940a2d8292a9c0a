#include "widgets/listview/column_fitting.h"

#include <algorithm>

namespace scorvane {
namespace {

long TotalNeed(std::span<const ColumnNeed> columns) {
  long total = 0;
  for (const ColumnNeed& column : columns)
    total += column.width;
  return total;
}

}  // namespace

std::vector<int> FitColumnWidths(std::span<const ColumnNeed> columns, int available, int least) {
  std::vector<int> widths;
  widths.reserve(columns.size());
  for (const ColumnNeed& column : columns)
    widths.push_back(column.width);
  if (TotalNeed(columns) <= available) return widths;
  // The room the other columns share once the ones kept whole have theirs.
  long room = available;
  std::vector<int> ascending;
  for (const ColumnNeed& column : columns) {
    if (column.keep_whole) {
      room -= column.width;
    } else {
      ascending.push_back(column.width);
    }
  }
  if (ascending.empty()) return widths;
  // The widest width every column may keep: walking the needs from the
  // smallest, each column that needs less than an equal share of the room
  // left keeps its need; the others share what remains equally.
  std::sort(ascending.begin(), ascending.end());
  int cap = ascending.back();
  for (size_t i = 0; i < ascending.size(); ++i) {
    const long share = room / static_cast<long>(ascending.size() - i);
    if (ascending[i] > share) {
      cap = static_cast<int>(std::max(share, 0L));
      break;
    }
    room -= ascending[i];
  }
  for (size_t i = 0; i < widths.size(); ++i) {
    if (!columns[i].keep_whole) widths[i] = std::min(widths[i], std::max(cap, least));
  }
  return widths;
}

bool PrintsInLandscape(std::span<const ColumnNeed> columns, int portrait_room) {
  return TotalNeed(columns) > portrait_room;
}

}  // namespace scorvane

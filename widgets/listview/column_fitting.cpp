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

// What a column kept whole keeps: its texts, and no less than any column.
int KeptWidth(const ColumnNeed& column, int least) {
  return std::max(column.whole, std::min(column.width, least));
}

}  // namespace

std::vector<int> FitColumnWidths(std::span<const ColumnNeed> columns, int available, int least) {
  std::vector<int> widths;
  widths.reserve(columns.size());
  for (const ColumnNeed& column : columns)
    widths.push_back(column.width);
  if (TotalNeed(columns) <= available) return widths;
  // The room the other columns share once the ones kept whole have their
  // texts' width.
  long room = available;
  std::vector<int> ascending;
  for (const ColumnNeed& column : columns) {
    if (column.whole > 0) {
      room -= KeptWidth(column, least);
    } else {
      ascending.push_back(column.width);
    }
  }
  // The widest width every other column may keep: walking the needs from
  // the smallest, each column that needs less than an equal share of the
  // room left keeps its need; the others share what remains equally.
  std::sort(ascending.begin(), ascending.end());
  int cap = ascending.empty() ? 0 : ascending.back();
  for (size_t i = 0; i < ascending.size(); ++i) {
    const long share = room / static_cast<long>(ascending.size() - i);
    if (ascending[i] > share) {
      cap = static_cast<int>(std::max(share, 0L));
      break;
    }
    room -= ascending[i];
  }
  long left = available;
  for (size_t i = 0; i < widths.size(); ++i) {
    const ColumnNeed& column = columns[i];
    widths[i] =
        column.whole > 0 ? KeptWidth(column, least) : std::min(column.width, std::max(cap, least));
    left -= widths[i];
  }
  for (size_t i = 0; i < widths.size() && left > 0; ++i) {
    const int extra = static_cast<int>(std::min<long>(left, columns[i].width - widths[i]));
    if (columns[i].whole <= 0 || extra <= 0) continue;
    widths[i] += extra;
    left -= extra;
  }
  return widths;
}

bool PrintsInLandscape(std::span<const ColumnNeed> columns, int portrait_room) {
  return TotalNeed(columns) > portrait_room;
}

}  // namespace scorvane

// The texts a list page stores for its columns between runs: one value per
// column ("col %d") with width, shown flag, sort priority and reverse flag,
// and the display order ("Colonnes affichées"). Settings files may have been
// edited by hand or written by another version: reading takes what it can
// and keeps the page's current values for the rest.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/listview/list_columns.h"

namespace scorvane {

inline constexpr const char* kDisplayOrderKey = "Colonnes affichées";
// A width read back above this is taken as this.
inline constexpr int kMaxColumnWidth = 4000;

// "col %d" for a column index.
std::string ColumnSettingKey(int column);

// "taille= %d, affichée= %d, ordre= %d, ordre_inverse= %d".
std::string ColumnSettingText(const ListColumn& column);
// Reads the four numbers back in that format. Numbers that are missing or
// unreadable leave the column's value; a negative width is ignored and a
// huge one limited. The shown and reverse flags are set only by 1.
void ApplyColumnSettingText(std::string_view text, ListColumn& column);

// The column indices, each followed by "," and the last comma removed.
std::string DisplayOrderText(std::span<const int> order);
// One number per position, each followed by a comma; positions the text
// does not reach keep `current`. Indices outside 0..size-1 become 0 (the
// model then makes a proper order of it: ListColumnModel::SetDisplayOrder).
std::vector<int> ParseDisplayOrder(std::string_view text, std::span<const int> current);

}  // namespace scorvane

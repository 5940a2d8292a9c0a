// The rules of the new-match chooser's list, apart from Qt: the texts of
// its three columns (the event's name between blanks, its start and end
// dates) and its order, by any column in either direction, dates compared
// as calendar dates and names in the program's list order.
#pragma once

#include <string>
#include <vector>

namespace scorvane {

class EPREUVE_JOUEE;

enum class ChooserColumn { kEvent = 0, kStart = 1, kEnd = 2 };
inline constexpr int kChooserColumnCount = 3;

std::string ChooserCellText(const EPREUVE_JOUEE& played, ChooserColumn column);

// Sorts stably by the column; equal rows keep their order.
void SortChooserEvents(std::vector<EPREUVE_JOUEE*>& events, ChooserColumn column, bool descending);

}  // namespace scorvane

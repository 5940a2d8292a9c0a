// What the match viewer shows of a set of matches: the total line, the text
// of each cell and the order of each sortable column. Kept free of widgets
// so that the texts and orders are tested on their own.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace scorvane {

class RENCONTRE;

// The viewer's columns, in display order.
enum class ViewerColumn { kResult, kOpponents, kRanking, kDate, kScore, kEvent, kSurface };
inline constexpr int kViewerColumnCount = 7;

// "Total : 3 matches  ( 1 match won, 2 matches lost )": the singular words
// for counts of 0 and 1, the plural ones above.
std::string MatchViewerTotal(int matches, int won);

// The text of one cell of a match's row.
std::string ViewerCellText(const RENCONTRE& match, ViewerColumn column);

// Whether a heading click reorders the rows (the score column does not).
bool ViewerColumnSorts(ViewerColumn column);

// The ascending order of two matches in a column: negative when `a` comes
// first, 0 when they are equal (always 0 for the score column).
int CompareForViewer(const RENCONTRE& a, const RENCONTRE& b, ViewerColumn column);

// The new order of rows showing `matches` (indices into it), sorted on the
// column in the direction asked; equal rows keep their order, and the score
// column keeps the order it is given.
std::vector<size_t> ViewerOrder(std::span<const RENCONTRE* const> matches, ViewerColumn column,
                                bool descending);

}  // namespace scorvane

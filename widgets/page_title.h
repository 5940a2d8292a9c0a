// The title of each of the eight pages, shown above the page and in the
// window title.
#pragma once

#include <QString>

namespace scorvane {

inline constexpr int kPageCount = 8;

// The title text of a page: the catalogue text, plus " " and the active
// season's year for pages 1, 4, 5 and 6 when there is a season (year > 0).
// Empty for page 7 and for numbers outside 1..8.
QString PageTitle(int page, int season_year);

}  // namespace scorvane

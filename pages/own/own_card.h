// The texts of the own page's description card: a heading and one line per
// fact about the owner (name, sex, age, club, the ranking of the season or
// of today, the best ranking reached), each a label and a value. Qt-free, so
// the texts are tested without a screen; the page only draws them.
#pragma once

#include <string>
#include <vector>

#include "base/dates.h"

namespace scorvane {

class UTILISATEUR;

struct OwnCardLine {
  std::string label;
  std::string value;
};

struct OwnCard {
  std::string heading;
  std::vector<OwnCardLine> lines;
};

// The card for `owner` on `today`, under the active ranking system.
OwnCard BuildOwnCard(const UTILISATEUR& owner, const DATE_SIMPLE& today);

// The age shown for a birth year, or -1 when the year is not a plausible
// one: none, after this year, or 1900 and before (a year entered before
// 1900 is kept as 1900).
int PlausibleAge(int birth_year, int this_year);

}  // namespace scorvane

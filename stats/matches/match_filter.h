// Which matches the statistics count: the filters of the statistics page as
// a plain struct, the one test a match must pass, and the printed lines that
// say which filters are in force.
#pragma once

#include <string>
#include <vector>

#include "base/dates.h"
#include "ranking/ranking_value.h"

namespace scorvane {

class EPREUVE;
class SURFACE;
struct MatchFacts;

// Each choice is the position in its drop-down list, 0 meaning "no
// restriction"; the check boxes turn their filter on.
struct StatisticsFilter {
  enum Comparison { kBetter = 0, kWorse = 1, kSame = 2 };

  bool dates_on = false;
  DATE_SIMPLE first_date;  // the two dates bound the period in either order
  DATE_SIMPLE second_date;
  int event_type = 0;       // 1..3: the event type code
  int homologation = 0;     // k: homologation code k - 1
  int age_category = 0;     // k: age category code k - 1
  int singles_doubles = 0;  // 1 singles only, 2 doubles only
  int corporate = 0;        // 1 corporate only, 2 no corporate
  const SURFACE* surface = nullptr;
  const EPREUVE* event = nullptr;
  int indoor = 0;        // 1 indoors only, 2 outdoors only
  int won_lost = 0;      // 1 won, 2 lost
  int opponent_sex = 0;  // 1 men, 2 women
  int handedness = 0;    // 1 left-handed, 2 right-handed
  int doubles_rule = 0;  // 0 one opponent is enough, 1 both opponents
  bool ages_on = false;
  int age_min = 0;  // the two ages bound the range in either order
  int age_max = 99;
  bool comparison_on = false;
  int comparison = kBetter;
  bool range_on = false;
  CLASSEMENT range_left;  // the two rankings bound the range in either order
  CLASSEMENT range_right;

  // Nothing restricted, both dates `today`, the ranking range from one end
  // of the active system's scale to the other.
  static StatisticsFilter Initial(const DATE_SIMPLE& today);
};

// The sixteen conditions in order; the first that fails rejects the match.
// Opponent conditions look at the singles opponent, or at both doubles
// opponents under the doubles rule; a missing opponent, birth year or
// ranking never meets a condition.
bool PassesFilter(const StatisticsFilter& filter, const MatchFacts& match);

// One line per filter in force, in the printed order ("- Only singles", ...),
// in the interface language.
std::vector<std::string> FilterLines(const StatisticsFilter& filter);

}  // namespace scorvane

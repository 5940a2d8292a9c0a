// "What would it take to go one grade higher?" For the ranking the estimate
// calculates, how far the season's balance is from the norm that proposes
// the next grade, and the fewest victories over players of each grade that
// would make the estimate reach it. The victories are tried by running the
// real calculation on the season with them added; the document is never
// changed.
#pragma once

#include <vector>

#include "ranking/ranking_value.h"

namespace scorvane {

class SAISON_JOUEUR;
class SYSTEME_CLASSEMENT;
class UTILISATEUR;

struct WinsNeeded {
  CLASSEMENT opponent;  // the grade of the players to beat
  int wins = 0;         // how many such victories reach the next grade
};

struct NextGradeAdvice {
  // Victories tried per opponent grade, at most.
  static constexpr int kMaxWins = 10;

  bool available = false;  // the system makes estimates
  CLASSEMENT estimate;     // the calculated ranking
  CLASSEMENT target;       // one grade better; no ranking when at the top
  double points = 0;       // the balance of a pass at the estimated grade
  double up_norm = 0;      // the balance that proposes the next grade from there
  double missing = 0;      // up_norm - points, 0 once reached
  // From the weakest opponents up; each grade listed needs fewer victories
  // than every weaker one listed before it.
  std::vector<WinsNeeded> wins;
};

// The advice for a season of the owner under `system` (the French and
// Belgian systems; any other is not available).
NextGradeAdvice AdviseNextGrade(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                                const SAISON_JOUEUR* season);

}  // namespace scorvane

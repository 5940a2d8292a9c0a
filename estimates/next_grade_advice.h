// "What would it take to go one grade higher?" For the ranking the estimate
// calculates, how far the season's balance is from the norm that proposes
// the next grade, and the fewest victories over players of each grade that
// would make the estimate reach it; and how many more defeats at the same
// or a lower grade the estimate would still withstand. Victories and
// defeats are tried by running the real calculation on the season with them
// added; the document is never changed.
#pragma once

#include <string>
#include <vector>

#include "ranking/ranking_value.h"

namespace scorvane {

class SAISON_JOUEUR;
class SYSTEME_CLASSEMENT;
class UTILISATEUR;
namespace modern {
struct RulesEstimate;
}  // namespace modern

struct WinsNeeded {
  CLASSEMENT opponent;  // the grade of the players to beat
  int wins = 0;         // how many such victories reach the next grade
};

struct NextGradeAdvice {
  // Victories tried per opponent grade, at most.
  static constexpr int kMaxWins = 10;
  // Defeats tried per opponent grade, at most.
  static constexpr int kMaxDefeats = 20;

  bool available = false;  // the system makes estimates
  CLASSEMENT estimate;     // the calculated ranking
  CLASSEMENT target;       // one grade better; no ranking when at the top
  double points = 0;       // the balance of a pass at the estimated grade
  double up_norm = 0;      // the balance that proposes the next grade from there
  double missing = 0;      // up_norm - points, 0 once reached
  // From the weakest opponents up; each grade listed needs fewer victories
  // than every weaker one listed before it.
  std::vector<WinsNeeded> wins;
  // Defeats on court the estimate withstands without falling below its
  // grade: against players of the estimated grade, and of the grade below
  // it (no ranking, and 0, at the lowest grade). kMaxDefeats reads as "at
  // least that many".
  CLASSEMENT lower_grade;
  int defeats_at_equal_grade = 0;
  int defeats_at_lower_grade = 0;
  // Under today's rules the grades above are échelons ("40" has no grade of
  // its own in a document), named by sex for the numbered groups.
  bool echelons = false;
  bool woman = false;
  std::string Name(const CLASSEMENT& grade) const;
};

// The advice for a season of the owner under `system` (the French and
// Belgian systems; any other is not available).
NextGradeAdvice AdviseNextGrade(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                                const SAISON_JOUEUR* season);

// The advice for an estimate under chosen French rules, planned matches included.
NextGradeAdvice AdviseUnderRules(const modern::RulesEstimate& estimate);

}  // namespace scorvane

#include "ranking/next_grade_advice.h"

#include <algorithm>

#include "ranking/belgian_estimate.h"
#include "ranking/french_estimate.h"
#include "ranking/ranking_system.h"

namespace scorvane {
namespace {

// What the advice needs of one system's calculation.
template <class Facts>
struct Calculation {
  int32_t top;
  int32_t (*estimate)(const Facts&);
  void (*add_wins)(Facts&, int32_t, int);
};

// The Pareto front of (opponent grade, wins): weaker opponents first, and a
// stronger grade only when it needs fewer victories.
template <class Facts>
std::vector<WinsNeeded> SearchWins(const Facts& facts, const Calculation<Facts>& calc,
                                   int32_t target) {
  std::vector<WinsNeeded> found;
  int limit = NextGradeAdvice::kMaxWins;
  for (int32_t grade = 0; grade <= calc.top && limit > 0; ++grade) {
    for (int wins = 1; wins <= limit; ++wins) {
      Facts trial = facts;
      calc.add_wins(trial, grade, wins);
      if (calc.estimate(trial) >= target) {
        found.push_back({CLASSEMENT(grade), wins});
        limit = wins - 1;
        break;
      }
    }
  }
  return found;
}

NextGradeAdvice FrenchAdvice(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  const french::SeasonFacts facts = french::CollectSeasonFacts(owner, season);
  NextGradeAdvice advice;
  advice.available = true;
  const int32_t estimate = french::RunEstimate(facts, nullptr).ranking;
  advice.estimate = CLASSEMENT(estimate);
  if (estimate >= french::kFirstSeries) return advice;
  advice.target = CLASSEMENT(estimate + 1);
  const french::PassOutcome pass = french::RunPass(facts, estimate, nullptr);
  advice.points = pass.total;
  advice.up_norm = pass.up_norm;
  const Calculation<french::SeasonFacts> calc{
      french::kFirstSeries,
      [](const french::SeasonFacts& f) { return french::RunEstimate(f, nullptr).ranking; },
      french::AddHypotheticalWins};
  advice.wins = SearchWins(facts, calc, estimate + 1);
  return advice;
}

NextGradeAdvice BelgianAdvice(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  const belgian::SeasonFacts facts = belgian::CollectSeasonFacts(owner, season);
  NextGradeAdvice advice;
  advice.available = true;
  const int32_t estimate = belgian::RunEstimate(facts, nullptr).ranking;
  advice.estimate = CLASSEMENT(estimate);
  if (estimate >= belgian::kTop) return advice;
  advice.target = CLASSEMENT(estimate + 1);
  advice.points = belgian::RunPass(facts, estimate, nullptr).total;
  advice.up_norm = belgian::kUpNorm;
  const Calculation<belgian::SeasonFacts> calc{
      belgian::kTop,
      [](const belgian::SeasonFacts& f) { return belgian::RunEstimate(f, nullptr).ranking; },
      belgian::AddHypotheticalWins};
  advice.wins = SearchWins(facts, calc, estimate + 1);
  return advice;
}

}  // namespace

NextGradeAdvice AdviseNextGrade(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                                const SAISON_JOUEUR* season) {
  NextGradeAdvice advice;
  if (system.IsFrench()) {
    advice = FrenchAdvice(owner, season);
  } else if (system.IsBelgian()) {
    advice = BelgianAdvice(owner, season);
  }
  if (advice.available) advice.missing = std::max(0.0, advice.up_norm - advice.points);
  return advice;
}

}  // namespace scorvane

#include "estimates/next_grade_advice.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "estimates/belgian_estimate.h"
#include "estimates/french_estimate.h"
#include "estimates/modern/rules_estimate.h"
#include "ranking/ranking_system.h"

namespace scorvane {
namespace {

// What the advice needs of each system's calculation.
struct FrenchCalculation {
  using Facts = french::SeasonFacts;
  static constexpr int32_t kTop = french::kFirstSeries;
  static Facts Collect(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
    return french::CollectSeasonFacts(owner, season);
  }
  static int32_t Estimate(const Facts& facts) {
    return french::RunEstimate(facts, nullptr).ranking;
  }
  // The balance at a grade and the balance that proposes the next one.
  static std::pair<double, double> Balance(const Facts& facts, int32_t grade) {
    const french::PassOutcome pass = french::RunPass(facts, grade, nullptr);
    return {pass.total, pass.up_norm};
  }
  static void AddWins(Facts& facts, int32_t grade, int count) {
    french::AddHypotheticalWins(facts, grade, count);
  }
  static void AddDefeats(Facts& facts, int32_t grade, int count) {
    french::AddHypotheticalDefeats(facts, grade, count);
  }
};

struct BelgianCalculation {
  using Facts = belgian::SeasonFacts;
  static constexpr int32_t kTop = belgian::kTop;
  static Facts Collect(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
    return belgian::CollectSeasonFacts(owner, season);
  }
  static int32_t Estimate(const Facts& facts) {
    return belgian::RunEstimate(facts, nullptr).ranking;
  }
  static std::pair<double, double> Balance(const Facts& facts, int32_t grade) {
    return {belgian::RunPass(facts, grade, nullptr).total, belgian::kUpNorm};
  }
  static void AddWins(Facts& facts, int32_t grade, int count) {
    belgian::AddHypotheticalWins(facts, grade, count);
  }
  static void AddDefeats(Facts& facts, int32_t grade, int count) {
    belgian::AddHypotheticalDefeats(facts, grade, count);
  }
};

// The Pareto front of (opponent grade, wins): weaker opponents first, and a
// stronger grade only when it needs fewer victories.
template <class Calculation>
std::vector<WinsNeeded> SearchWins(const Calculation& calculation,
                                   const typename Calculation::Facts& facts, int32_t target) {
  std::vector<WinsNeeded> found;
  int limit = NextGradeAdvice::kMaxWins;
  for (int32_t grade = 0; grade <= Calculation::kTop && limit > 0; ++grade) {
    for (int wins = 1; wins <= limit; ++wins) {
      typename Calculation::Facts trial = facts;
      calculation.AddWins(trial, grade, wins);
      if (calculation.Estimate(trial) >= target) {
        found.push_back({CLASSEMENT(grade), wins});
        limit = wins - 1;
        break;
      }
    }
  }
  return found;
}

// The most defeats against players of `grade` (up to kMaxDefeats) after
// which the estimate is still `estimate` or better.
template <class Calculation>
int SearchDefeats(const Calculation& calculation, const typename Calculation::Facts& facts,
                  int32_t grade, int32_t estimate) {
  for (int defeats = 1; defeats <= NextGradeAdvice::kMaxDefeats; ++defeats) {
    typename Calculation::Facts trial = facts;
    calculation.AddDefeats(trial, grade, defeats);
    if (calculation.Estimate(trial) < estimate) return defeats - 1;
  }
  return NextGradeAdvice::kMaxDefeats;
}

template <class Calculation>
NextGradeAdvice Advise(const Calculation& calculation, const typename Calculation::Facts& facts) {
  NextGradeAdvice advice;
  advice.available = true;
  const int32_t estimate = calculation.Estimate(facts);
  advice.estimate = CLASSEMENT(estimate);
  advice.defeats_at_equal_grade = SearchDefeats(calculation, facts, estimate, estimate);
  if (estimate > 0) {
    advice.lower_grade = CLASSEMENT(estimate - 1);
    advice.defeats_at_lower_grade = SearchDefeats(calculation, facts, estimate - 1, estimate);
  }
  if (estimate >= Calculation::kTop) return advice;
  advice.target = CLASSEMENT(estimate + 1);
  std::tie(advice.points, advice.up_norm) = calculation.Balance(facts, estimate);
  advice.missing = std::max(0.0, advice.up_norm - advice.points);
  advice.wins = SearchWins(calculation, facts, estimate + 1);
  return advice;
}

template <class Calculation>
NextGradeAdvice Advise(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  return Advise(Calculation(), Calculation::Collect(owner, season));
}

// Today's rules under one year's scale; grades are échelons.
struct ModernCalculation {
  using Facts = modern::RuleFacts;
  static constexpr int32_t kTop = modern::kTopB;
  const modern::Scale& scale;

  int32_t Estimate(const Facts& facts) const { return modern::Calculate(scale, facts).result; }
  // The bilan at the next échelon, reading the base quota at this one, and its norm.
  std::pair<double, double> Balance(const Facts& facts, int32_t echelon) const {
    const modern::EchelonTrial next = modern::TryEchelon(scale, facts, echelon + 1, echelon);
    return {next.total, next.norm};
  }
  static void AddWins(Facts& facts, int32_t echelon, int count) {
    for (int i = 0; i < count; ++i)
      modern::AddPlanned(facts, {echelon, true});
  }
  static void AddDefeats(Facts& facts, int32_t echelon, int count) {
    for (int i = 0; i < count; ++i)
      modern::AddPlanned(facts, {echelon, false});
  }
};

}  // namespace

NextGradeAdvice AdviseNextGrade(const SYSTEME_CLASSEMENT& system, const UTILISATEUR& owner,
                                const SAISON_JOUEUR* season) {
  if (system.IsFrench()) return Advise<FrenchCalculation>(owner, season);
  if (system.IsBelgian()) return Advise<BelgianCalculation>(owner, season);
  return NextGradeAdvice();
}

NextGradeAdvice AdviseUnderRules(const modern::RulesEstimate& estimate) {
  if (!estimate.available) return NextGradeAdvice();
  if (!estimate.scale) return Advise(FrenchCalculation(), estimate.facts_2000);
  NextGradeAdvice advice = Advise(ModernCalculation{*estimate.scale}, estimate.facts);
  advice.echelons = true;
  advice.woman = estimate.facts.woman;
  return advice;
}

std::string NextGradeAdvice::Name(const CLASSEMENT& grade) const {
  return echelons ? modern::EchelonText(grade.Value(), woman) : grade.Text();
}

}  // namespace scorvane

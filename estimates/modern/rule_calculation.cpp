#include "estimates/modern/rule_calculation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace scorvane::modern {
namespace {

bool IsCourtWin(const RuleMatch& match) {
  return !match.doubles && match.won && !match.walkover;
}

int SeriesIndex(int echelon) {
  return 4 - SeriesOf(echelon);  // 4th series 0, 3rd 1, 2nd 2
}

// V, E, I and G at the échelon; walkover defeats after the ignored ones
// count as defeats two échelons below.
void CountBalance(const Scale& scale, const RuleFacts& facts, EchelonTrial& trial) {
  int walkover_defeats = 0;
  for (const RuleMatch& match : facts.matches) {
    if (match.doubles) continue;
    const double c = Coefficient(scale, match);
    if (match.won) {
      if (!match.walkover || scale.walkover_wins_in_v) trial.v += c;
      continue;
    }
    if (match.walkover) {
      if (++walkover_defeats > scale.walkover_defeats_ignored) trial.g += 1;
      continue;
    }
    const int below = trial.echelon - OpponentOf(scale, match);
    if (below == 0) {
      trial.e += c;
    } else if (below == 1) {
      trial.i += c;
    } else if (below >= 2) {
      trial.g += c;
    }
  }
  const double balance = trial.v - trial.e - 2 * trial.i - 5 * trial.g;
  trial.delta = scale.balance_rounded ? std::floor(balance + 0.5) : balance;
}

// The best wins at the échelon fill the victories to keep, each taking its
// coefficient's share of a slot; the last one may be taken in part.
void KeepBestWins(const Scale& scale, const RuleFacts& facts, EchelonTrial& trial) {
  std::vector<size_t> wins;
  for (size_t m = 0; m < facts.matches.size(); ++m) {
    if (IsCourtWin(facts.matches[m])) wins.push_back(m);
  }
  const auto value = [&](size_t m) {
    return scale.Points(OpponentOf(scale, facts.matches[m]) - trial.echelon) *
           Coefficient(scale, facts.matches[m]);
  };
  std::stable_sort(wins.begin(), wins.end(), [&](size_t a, size_t b) {
    return value(a) > value(b) ||
           (value(a) == value(b) &&
            Coefficient(scale, facts.matches[a]) > Coefficient(scale, facts.matches[b]));
  });
  double slots = trial.kept;
  for (const size_t m : wins) {
    if (slots <= 0) break;
    const double share = std::min(Coefficient(scale, facts.matches[m]), slots);
    slots -= share;
    const double points = scale.Points(OpponentOf(scale, facts.matches[m]) - trial.echelon) * share;
    trial.wins.push_back({m, share, points});
    trial.win_points += points;
  }
}

void AddBonuses(const Scale& scale, const RuleFacts& facts, EchelonTrial& trial) {
  // Individual championships: the first wins count, by the player's series.
  const int counted =
      trial.echelon >= kMinus2_6 ? scale.championship_wins_top : scale.championship_wins;
  const int per_win = scale.championship_points[static_cast<size_t>(SeriesIndex(facts.original))];
  std::vector<double> shares;
  for (const RuleMatch& match : facts.matches) {
    if (IsCourtWin(match) && match.championship) {
      shares.push_back(scale.championship_coefficient ? Coefficient(scale, match) : 1.0);
    }
  }
  std::sort(shares.rbegin(), shares.rend());
  trial.championship_wins = std::min(counted, static_cast<int>(shares.size()));
  trial.championship_bonus =
      per_win * std::accumulate(shares.begin(), shares.begin() + trial.championship_wins, 0.0);

  // No significant defeat: none at or below the échelon, over enough matches.
  int matches = 0;
  int walkover_defeats = 0;
  bool significant = false;
  for (const RuleMatch& match : facts.matches) {
    if (match.doubles) continue;
    if (match.walkover) {
      if (!match.won) ++walkover_defeats;
      continue;
    }
    ++matches;
    if (!match.won && OpponentOf(scale, match) <= trial.echelon) significant = true;
  }
  if (scale.no_defeat_walkovers == WalkoverDefeats::kAll && walkover_defeats > 0)
    significant = true;
  if (scale.no_defeat_walkovers == WalkoverDefeats::kCounted &&
      walkover_defeats > scale.walkover_defeats_ignored) {
    significant = true;
  }
  if (scale.no_defeat_given && trial.echelon >= scale.no_defeat_from && !significant &&
      matches >= scale.no_defeat_minimum_matches) {
    trial.no_defeat_bonus = scale.no_defeat_points[static_cast<size_t>(SeriesIndex(trial.echelon))];
  }

  // Doubles: the best wins, up to the cap; the same at every échelon.
  int doubles = 0;
  for (const RuleMatch& match : facts.matches) {
    if (DoublesValue(scale, match) > 0) ++doubles;
  }
  trial.doubles_wins = std::min(doubles, scale.doubles_best);
  trial.doubles_bonus = std::min(trial.doubles_wins * scale.doubles_points, scale.doubles_cap);
}

int WalkoverDefeats(const RuleFacts& facts) {
  return static_cast<int>(
      std::count_if(facts.matches.begin(), facts.matches.end(),
                    [](const RuleMatch& m) { return !m.doubles && !m.won && m.walkover; }));
}

// Where the scan starts, and the highest échelon the rules let the player reach.
void StartAndCeiling(const Scale& scale, const RuleFacts& facts, RuleOutcome& outcome) {
  const int own = facts.original;
  bool any_win = false;
  for (const RuleMatch& match : facts.matches) {
    if (!IsCourtWin(match)) continue;
    any_win = true;
    outcome.best_beaten = std::max(outcome.best_beaten, match.opponent_start);
  }
  outcome.start = own;
  if (any_win) {
    const int above = SeriesOf(own) == 4 ? scale.start_above_best_4th : scale.start_above_best;
    outcome.start = outcome.best_beaten + above;
    if (scale.start_at_least_own) outcome.start = std::max(outcome.start, own);
  }
  outcome.ceiling = kTopB;
  if (scale.climb == ClimbLimit::kBestBeaten) {
    const int reference = any_win && outcome.best_beaten >= own ? outcome.best_beaten : own;
    outcome.ceiling = reference + (SeriesOf(reference) == 4 ? 1 : 0);
  } else if (scale.climb == ClimbLimit::kBeatenAtEchelon) {
    outcome.ceiling = std::max(own, any_win ? std::max(outcome.best_beaten, k40) : own);
  }
  outcome.start = std::clamp(outcome.start, kNC, std::min(outcome.ceiling, kTopB));

  outcome.floor = scale.up_only             ? own
                  : scale.descent_limit > 0 ? std::max(kNC, own - scale.descent_limit)
                                            : kNC;
  const bool played = std::any_of(facts.matches.begin(), facts.matches.end(),
                                  [](const RuleMatch& m) { return !m.doubles && !m.walkover; });
  if (scale.nc_played_becomes_40 && own == kNC && played) outcome.floor = k40;
  outcome.floor = std::min(outcome.floor, kTopB);
  outcome.start = std::max(outcome.start, outcome.floor);
}

RulePass Scan(const Scale& scale, const RuleFacts& facts, const RuleOutcome& outcome,
              int quota_ranking) {
  RulePass pass;
  pass.quota_ranking = quota_ranking;
  for (int echelon = outcome.start; echelon >= outcome.floor; --echelon) {
    pass.trials.push_back(TryEchelon(scale, facts, echelon, quota_ranking));
    if (pass.trials.back().held) {
      pass.result = echelon;
      return pass;
    }
  }
  pass.result = outcome.floor;
  pass.floored = true;
  return pass;
}

void Harmonise(const Scale& scale, const RuleFacts& facts, RuleOutcome& outcome) {
  int result = outcome.calculated;
  const int walkovers = WalkoverDefeats(facts);
  if (scale.harmonise_walkovers > 0 && walkovers >= scale.harmonise_walkovers && result > kNC) {
    outcome.harmonisations.push_back(
        {Harmonisation::Why::kWalkovers, walkovers, result, result - 1});
    --result;
  }
  if (scale.harmonise_balance && SeriesOf(outcome.calculated) == 2) {
    const int quota = outcome.passes.empty() ? facts.original : outcome.passes.back().result;
    const EchelonTrial at = TryEchelon(scale, facts, outcome.calculated, quota);
    if (at.delta <= scale.harmonise_balance_at) {
      outcome.harmonisations.push_back({Harmonisation::Why::kBalance,
                                        static_cast<int>(std::floor(at.delta)), result,
                                        result - 1});
      --result;
    }
  }
  outcome.result = result;
}

}  // namespace

int OpponentOf(const Scale& scale, const RuleMatch& match) {
  return scale.opponents_calculated ? match.opponent_next : match.opponent_start;
}

double Coefficient(const Scale& scale, const RuleMatch& match) {
  double c = scale.coefficient_classic;
  if (match.no_advantage) c = std::min(c, scale.coefficient_no_advantage);
  if (match.four_games) c = std::min(c, scale.coefficient_four_games);
  if (match.tie_break_third_set) c = std::min(c, scale.coefficient_tie_break_third_set);
  if (match.no_let) c = std::min(c, scale.coefficient_no_let);
  return c;
}

int DoublesValue(const Scale& scale, const RuleMatch& match) {
  if (!match.doubles || !match.won || match.walkover) return 0;
  // A pair's weight falls as its players' échelons rise: the beaten pair
  // must not be lighter by more than the margin.
  return match.opponent_pair + scale.doubles_weight_margin >= match.own_pair ? scale.doubles_points
                                                                             : 0;
}

EchelonTrial TryEchelon(const Scale& scale, const RuleFacts& facts, int echelon,
                        int quota_ranking) {
  EchelonTrial trial;
  trial.echelon = echelon;
  CountBalance(scale, facts, trial);
  trial.base = scale.Base(scale.quota_from_own ? quota_ranking : echelon, facts.woman);
  trial.extra = scale.ExtraVictories(BandGroupOf(scale.bands_from_tried ? echelon : quota_ranking),
                                     trial.delta);
  trial.kept = std::max(0, trial.base + trial.extra);
  KeepBestWins(scale, facts, trial);
  AddBonuses(scale, facts, trial);
  trial.total =
      trial.win_points + trial.championship_bonus + trial.no_defeat_bonus + trial.doubles_bonus;
  trial.norm = scale.Norm(echelon, facts.woman);
  trial.held = trial.total >= trial.norm;
  return trial;
}

RuleOutcome Calculate(const Scale& scale, const RuleFacts& facts) {
  RuleOutcome outcome;
  outcome.original = facts.original;
  if (facts.original >= kFirstSeries) {
    outcome.first_series = true;
    outcome.calculated = outcome.result = facts.original;
    return outcome;
  }
  StartAndCeiling(scale, facts, outcome);
  int quota = facts.original;
  outcome.settled = false;
  for (int pass = 0; pass < scale.max_passes; ++pass) {
    outcome.passes.push_back(Scan(scale, facts, outcome, quota));
    const int result = outcome.passes.back().result;
    if (result == quota || scale.max_passes == 1) {
      outcome.settled = true;
      break;
    }
    quota = result;
  }
  outcome.calculated = outcome.passes.back().result;
  Harmonise(scale, facts, outcome);
  return outcome;
}

}  // namespace scorvane::modern

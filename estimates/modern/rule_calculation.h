// Today's French calculation, as the federation has made it since the 2013
// reform, driven by one year's scale: the player is tried at the highest
// échelon his wins allow, then one échelon lower at a time, until his bilan
// there reaches the norm; the number of victories kept depends on his
// ranking at the end of the previous pass, so the scan is repeated until a
// pass ends where it began. Every figure of every échelon tried is kept,
// for the report, the summary's points box and the command-line tool.
#pragma once

#include <cstddef>
#include <vector>

#include "estimates/modern/rule_facts.h"
#include "estimates/modern/scale.h"

namespace scorvane::modern {

// A kept win: the match, the share of a slot it fills (its coefficient, or
// less for the last one) and its points.
struct KeptWin {
  size_t match = 0;  // index in RuleFacts::matches
  double share = 0;
  double points = 0;
};

// The bilan at one échelon tried.
struct EchelonTrial {
  int echelon = 0;
  double v = 0, e = 0, i = 0, g = 0;
  double delta = 0;  // V-E-2I-5G as the bands read it (rounded when the scale says so)
  int base = 0;
  int extra = 0;
  int kept = 0;  // victories to keep
  std::vector<KeptWin> wins;
  double win_points = 0;
  double championship_bonus = 0;
  int championship_wins = 0;
  double no_defeat_bonus = 0;
  double doubles_bonus = 0;
  int doubles_wins = 0;
  double total = 0;
  int norm = 0;
  bool held = false;
};

struct RulePass {
  int quota_ranking = 0;  // the ranking the base quota is read at
  std::vector<EchelonTrial> trials;
  int result = 0;
  bool floored = false;  // no échelon held down to the floor
};

// One step down after the calculation.
struct Harmonisation {
  enum class Why { kWalkovers, kBalance };
  Why why = Why::kWalkovers;
  int count = 0;  // walkover defeats, or the V-E-2I-5G found
  int from = 0;
  int to = 0;
};

struct RuleOutcome {
  int original = 0;
  int best_beaten = -1;  // original ranking of the best player beaten on court; -1 none
  int start = 0;
  int ceiling = 0;
  int floor = 0;
  bool first_series = false;  // not calculated: the federation places the 1st series
  std::vector<RulePass> passes;
  bool settled = true;  // false when the passes ran out
  int calculated = 0;
  std::vector<Harmonisation> harmonisations;
  int result = 0;
};

// The opponent's échelon the points and defeats are counted with.
int OpponentOf(const Scale& scale, const RuleMatch& match);
// A match's format coefficient: the smallest of its scoring options'.
double Coefficient(const Scale& scale, const RuleMatch& match);
// The points a doubles match adds before the best and the cap: 0 unless won on court.
int DoublesValue(const Scale& scale, const RuleMatch& match);

EchelonTrial TryEchelon(const Scale& scale, const RuleFacts& facts, int echelon, int quota_ranking);
RuleOutcome Calculate(const Scale& scale, const RuleFacts& facts);

}  // namespace scorvane::modern

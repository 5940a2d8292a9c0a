// The scale of one sports year of today's French ranking: every table and
// every switch of the calculation, read from a small text file so that a
// new year is a new file rather than a new program (the format is
// described in rules/README.md). A file that cannot be read is refused with
// its line and the reason.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "estimates/modern/echelons.h"

namespace scorvane::modern {

// What limits the rise (since 2020 the best player beaten; since 2022 a
// player beaten at the échelon reached).
enum class ClimbLimit { kNone, kBestBeaten, kBeatenAtEchelon };
// Which walkover defeats are significant defeats for the no-defeat bonus.
enum class WalkoverDefeats { kNone, kCounted, kAll };

struct Scale {
  int year = 0;
  std::string title;  // one line saying where the figures come from

  // [procedure]
  std::string mode;                  // "final" (end of year) or "monthly"
  bool opponents_calculated = true;  // the opponents' next ranking, else the one at the match
  bool quota_from_own = true;    // the base quota by the player's ranking, else the tried échelon
  bool bands_from_tried = true;  // the bands by the tried échelon's group, else the player's
  int start_above_best = 1;      // échelons above the best player beaten, 2nd/3rd series
  int start_above_best_4th = 2;  // the same for a player of the 4th series
  bool start_at_least_own = true;
  int descent_limit = 1;  // échelons; 0 none
  bool up_only = false;   // the player cannot go down (monthly rankings of 2018-2022)
  ClimbLimit climb = ClimbLimit::kNone;
  int max_passes = 10;
  bool nc_played_becomes_40 = true;
  int window_months = 0;        // 0: the sports year; else the months before the last match
  int harmonise_walkovers = 0;  // from this many walkover defeats one échelon less; 0 never
  bool harmonise_balance = false;
  int harmonise_balance_at = -100;  // 2nd series, V-E-2I-5G at or below: one échelon less
  // V-E-2I-5G is rounded half up before the bands are read, else read as it is.
  bool balance_rounded = true;

  // [points]: by the opponent's échelon minus the tried one, -4 (or less) to +2 (or more).
  std::array<int, 7> points{};
  // [base]: victories kept by échelon, men then women.
  std::array<std::array<int, 2>, kCalculated> base{};
  // [bands]: from each lower bound of V-E-2I-5G, the extra victories of each band group.
  struct Band {
    int from = 0;
    std::array<int, 4> extra{};
  };
  std::vector<Band> bands;  // lowest bound first; the first one stands for every lower value
  // [norms]: the bilan that holds each échelon, men then women.
  std::array<std::array<int, 2>, kCalculated> norms{};

  // [walkovers]
  int walkover_defeats_ignored = 2;  // the first ones count nowhere
  bool walkover_wins_in_v = true;

  // [championship]
  std::array<int, 3> championship_points{};  // by the player's series: 4th, 3rd, 2nd
  int championship_wins = 3;                 // wins counted up to "0"
  int championship_wins_top = 3;             // from "-2/6" up
  bool championship_coefficient = false;

  // [no-defeat]
  bool no_defeat_given = true;
  int no_defeat_from = k30_2;
  std::array<int, 3> no_defeat_points{};  // by the tried échelon's series: 4th, 3rd, 2nd
  int no_defeat_minimum_matches = 5;
  WalkoverDefeats no_defeat_walkovers = WalkoverDefeats::kCounted;

  // [doubles]
  int doubles_points = 0;  // per win; 0: doubles do not count
  int doubles_best = 5;
  int doubles_cap = 25;
  int doubles_weight_margin = 0;  // the beaten pair at most this many échelons weaker in all

  // [coefficients]: by the scoring options stored on the match.
  double coefficient_classic = 1;
  double coefficient_no_advantage = 1;
  double coefficient_four_games = 1;
  double coefficient_tie_break_third_set = 1;
  double coefficient_no_let = 1;

  // Sections whose figures are assumed rather than published, and why (in
  // English, and in French when the file says it).
  struct Assumed {
    std::string section;
    std::string why;
    std::string why_french;
  };
  std::vector<Assumed> assumed;

  int Norm(int echelon, bool woman) const { return norms[static_cast<size_t>(echelon)][woman]; }
  int Base(int echelon, bool woman) const { return base[static_cast<size_t>(echelon)][woman]; }
  int Points(int difference) const;
  int ExtraVictories(int group, double balance) const;
};

struct ScaleRefusal {
  int line = 0;  // 0: the file as a whole
  std::string reason;
};

// Reads a scale file's text.
std::variant<Scale, ScaleRefusal> ParseScale(std::string_view text);

}  // namespace scorvane::modern

// What today's French calculation reads of a document: the owner's
// échelon at the start of the season, and each homologated match (singles
// and doubles) as the rules see it, before any rule is applied. Planned
// matches of the "what if" panel are added to the same list, so the
// calculation never tells them apart from played ones.
#pragma once

#include <string>
#include <vector>

namespace scorvane {
class RENCONTRE;
class SAISON_JOUEUR;
class UTILISATEUR;
}  // namespace scorvane

namespace scorvane::modern {

struct RuleMatch {
  const RENCONTRE* source = nullptr;  // null for a planned match
  std::string date;                   // as the user reads dates; empty for a planned match
  int day = 0;                        // a number that orders dates (year, month, day)
  std::string opponent;               // first and last names; in doubles both opponents
  // The opponent's échelon at 1 January of the match's season (the ranking
  // at the match and the original one) and at 1 January of the next year
  // (the calculated one). In doubles the weaker of the pair, for display.
  int opponent_start = 0;
  int opponent_next = 0;
  bool won = false;
  bool walkover = false;
  bool championship = false;  // an individual championship
  bool doubles = false;
  bool planned = false;
  // Scoring options of the match.
  bool no_advantage = false;
  bool four_games = false;
  bool tie_break_third_set = false;
  bool no_let = false;
  // Doubles: the sums of both players' échelons on each side.
  int own_pair = 0;
  int opponent_pair = 0;
};

struct RuleFacts {
  int year = 0;      // the season estimated
  int original = 0;  // the owner's échelon at 1 January of the year
  bool woman = false;
  std::vector<RuleMatch> matches;  // in the order the season keeps them
};

// The season's homologated matches; with a window of months, also the
// previous season's matches played within that many months before the
// season's last match.
RuleFacts CollectRuleFacts(const UTILISATEUR& owner, const SAISON_JOUEUR* season,
                           int window_months);

// A match the user plans: a singles match against an opponent of an
// échelon, won or lost, in a kind of event and a format.
struct PlannedMatch {
  enum class Kind { kTournament, kChampionship, kTeam };
  enum class Format { kClassic, kNoAdvantage, kFourGames, kTieBreakThirdSet };
  int opponent = 0;
  bool won = true;
  Kind kind = Kind::kTournament;
  Format format = Format::kClassic;
};

void AddPlanned(RuleFacts& facts, const PlannedMatch& planned);

}  // namespace scorvane::modern

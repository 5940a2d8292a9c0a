// What the French estimate needs to know of a season, read once from the
// records: the victories that may be kept (matches won on court and events
// won), in the order they are kept, and the counts the passes use.
//
// Reading the season apart from the passes lets every pass run on the same
// facts, and lets the "what would it take" advice add victories that were
// never played without touching the document.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "estimates/french_scales.h"

namespace scorvane {
class EPREUVE_JOUEE;
class RENCONTRE_SIMPLE;
class SAISON_JOUEUR;
class UTILISATEUR;
}  // namespace scorvane

namespace scorvane::french {

// One victory that may be kept: a match won on court, or the bonus of an
// event won.
struct KeptVictory {
  // The opponent's grade at 1 January of the next year, or the best grade
  // among those who lost in the event won.
  int32_t ranking = -1;
  bool event_won = false;
  // Where the report line's texts come from: the match won, or the event
  // won; neither for a victory that was only supposed.
  const RENCONTRE_SIMPLE* match = nullptr;
  const EPREUVE_JOUEE* played = nullptr;
};

// The texts of an entry's report line: the match date (or the event's first
// date), the event's name and, for a match, the opponent's first and last
// names. Empty for a supposed victory.
struct KeptVictoryTexts {
  std::string date;
  std::string event_name;
  std::string first_name;
  std::string last_name;
};
KeptVictoryTexts TextsOf(const KeptVictory& entry);

struct SeasonFacts {
  int year = 0;                      // Y, the season estimated
  int32_t owner_ranking = kNC;       // G, the owner's grade at 1 January of Y
  bool woman = false;                // which norms apply
  std::vector<KeptVictory> entries;  // best grade first
  // A match won on court exists; the best grade beaten (at 1 January of Y)
  // is then known.
  bool has_match_victory = false;
  int32_t best_beaten = -1;
  int wins = 0;                        // V: homologated singles won, walkovers included
  std::vector<int32_t> court_defeats;  // opponents' grades (next year) of defeats on court
  int homologated_singles = 0;         // walkovers included
  int walkover_defeats = 0;
  int championship_wins = 0;
  int32_t worst_defeat = kFirstSeries;  // at 1 January of Y; the best grade when none
};

// Reads the season (normally the active one; null reads as an empty season
// of year 0). A season without palmares reads as an empty one. An owner
// without a valid grade at 1 January of Y is taken as "NC".
SeasonFacts CollectSeasonFacts(const UTILISATEUR& owner, const SAISON_JOUEUR* season);

// Adds `count` homologated tournament victories on court over players of
// `grade`, as if they had been played last.
void AddHypotheticalWins(SeasonFacts& facts, int32_t grade, int count);
// Adds `count` homologated defeats on court against players of `grade`.
void AddHypotheticalDefeats(SeasonFacts& facts, int32_t grade, int count);

}  // namespace scorvane::french

// What the statistics read of each match, gathered once in a compact table
// when the document changes. A click on a filter then tests and counts the
// rows of the table, which lie side by side in memory, instead of following
// the pointers of every match, event, player and ranking history again: the
// largest documents (32,767 matches) redraw within one frame.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace scorvane {

class EPREUVE;
class JOUEUR;
class RENCONTRE;
class SAISON_JOUEUR;
class SURFACE;
class UTILISATEUR;

// One opponent of a match, as the opponent conditions judge him or her.
struct OpponentFacts {
  bool present = false;  // false for a doubles opponent not given
  bool woman = false;
  bool left_handed = false;
  std::int16_t birth_year = 0;
  std::int32_t ranking = -1;  // at the time of the match
};

struct MatchFacts {
  RENCONTRE* match = nullptr;
  const SAISON_JOUEUR* season = nullptr;  // the season that retains it
  const EPREUVE* event = nullptr;         // null for a match outside any event
  const SURFACE* surface = nullptr;
  std::int32_t date_key = 0;  // later dates have larger keys
  std::int16_t year = 0;      // of the match date
  std::int8_t month = 1;
  std::int8_t event_type = 0;
  std::int8_t homologation = 0;
  std::int8_t age_category = -1;  // -1 without event
  bool corporate = false;
  bool singles = true;
  bool indoor = false;
  bool won = false;
  bool walkover = false;
  bool retirement = false;
  std::uint8_t sets = 0;
  std::uint8_t one_game_sets = 0;      // sets such as 7-6
  std::uint8_t own_one_game_sets = 0;  // those the owner won
  bool last_set_one_game = false;
  std::int16_t winner_games = 0;            // games of the side that won more sets
  std::int16_t games = 0;                   // games of both sides
  std::int32_t opponent_side_ranking = -1;  // the match's ranking of the opponents
  std::int32_t own_ranking = -1;            // the owner's, at the time of the match
  std::uint8_t opponent_count = 1;
  std::array<OpponentFacts, 2> opponents{};
};

// The facts of each match, in the order given.
std::vector<MatchFacts> GatherFacts(const std::vector<RENCONTRE*>& matches, const JOUEUR& owner);

// The date key of a calendar date, comparable with MatchFacts::date_key.
std::int32_t DateKey(int day, int month, int year);

}  // namespace scorvane

// The rules of the players page, apart from Qt: which players it lists
// (never anonymous ones; with its filters, only contacts, only players met
// in the active season, only the players of one club), its title, the
// owner's record against each opponent, the quick search over the lines in
// their order, and what deleting a selection does (a player who plays in a
// match stays, with the reason said).
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "pages/common/players/player_selection_rules.h"
#include "pages/players/player_list_columns.h"

namespace scorvane {

class CLUB;
class SAISON_JOUEUR;
class UTILISATEUR;

struct PlayerListFilter {
  bool contacts_only = false;
  // Players met (as partner or opponent) in a match of the active season.
  bool active_season_only = false;
  bool club_only = false;
  // The club chosen; null: any club.
  const CLUB* club = nullptr;
};

// The players listed, in the document's order.
std::vector<JOUEUR*> ListedPlayers(const UTILISATEUR& owner, const PlayerListFilter& filter);
// The players the title counts: every one but the anonymous ones.
int NamedPlayerCount(const UTILISATEUR& owner);
// "Players  ( listed / named )".
std::string PlayersTitle(int listed, int named);

// The players of the season's matches (partners and opponents).
std::unordered_set<const JOUEUR*> PlayersOfSeason(const SAISON_JOUEUR* season);
// The players of any match of the document.
std::unordered_set<const JOUEUR*> PlayersInMatches(const UTILISATEUR& owner);
// For each opponent met, the matches of every season the owner won and lost
// against him or her (a doubles match counts for both opponents).
HeadToHeadCounts CountHeadToHead(const UTILISATEUR& owner);

// The first line, in the order given, whose name in the column begins with
// the text, case and accents ignored (SearchKey); the first line for an
// empty text; -1 when there is no such line.
int FindLineByPrefix(const std::vector<const PlayerLine*>& lines, PlayerNameColumn column,
                     std::string_view text);

// Deleting selected players: those who play in a match are refused (with
// the message RefusedDeletionText), the others go; the question before
// deleting is asked only when a single player was selected.
struct PlayerDeletion {
  std::vector<JOUEUR*> refused;
  std::vector<JOUEUR*> deleted;
  bool ask = false;
};
PlayerDeletion PlanPlayerDeletion(const UTILISATEUR& owner, const std::vector<JOUEUR*>& selected);
// "Cannot destroy player FIRST LAST, he (she) is implicated in matches!"
std::string RefusedDeletionText(const JOUEUR& player);

}  // namespace scorvane

// The rules of the player selection dialog, apart from Qt: which players it
// lists (anonymous players never; with its filters, only contacts, or only
// players of the owner's club), their order by first name or surname, and
// the quick search that finds the first row beginning with a text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scorvane {

class JOUEUR;
class UTILISATEUR;

struct PlayerSelectionFilter {
  bool contacts_only = false;
  // Players whose club is the owner's (with no club on either side, a
  // player passes).
  bool my_club_only = false;
};

enum class PlayerNameColumn { kFirstName = 0, kSurname = 1 };

// The players listed, in the document's order.
std::vector<JOUEUR*> SelectablePlayers(const UTILISATEUR& owner,
                                       const PlayerSelectionFilter& filter);

// Sorts by the column's texts (the program's list order), then by the other
// name; descending reverses the whole order.
void SortPlayers(std::vector<JOUEUR*>& players, PlayerNameColumn column, bool ascending);

// The first player whose name in the column begins with the text, both in
// upper case; 0 for an empty text, -1 when none does.
int FindPlayerByPrefix(const std::vector<JOUEUR*>& players, PlayerNameColumn column,
                       std::string_view text);

// "First Last" for the selection label, "" for no player.
std::string SelectedPlayerText(const JOUEUR* player);

}  // namespace scorvane

#include "pages/common/players/player_selection_rules.h"

#include <algorithm>

#include "base/text_compare.h"
#include "base/text_format.h"
#include "records/owner.h"

namespace scorvane {
namespace {

const std::string& NameIn(const JOUEUR& player, PlayerNameColumn column) {
  return column == PlayerNameColumn::kFirstName ? player.GetRawFirstName()
                                                : player.GetRawLastName();
}

}  // namespace

std::vector<JOUEUR*> SelectablePlayers(const UTILISATEUR& owner,
                                       const PlayerSelectionFilter& filter) {
  std::vector<JOUEUR*> players;
  for (JOUEUR* player : owner.Players()) {
    if (player->IsAnonymous()) continue;
    if (filter.contacts_only && !player->IsContact()) continue;
    if (filter.my_club_only && player->Club() != owner.Club()) continue;
    players.push_back(player);
  }
  return players;
}

void SortPlayers(std::vector<JOUEUR*>& players, PlayerNameColumn column, bool ascending) {
  const PlayerNameColumn other = column == PlayerNameColumn::kFirstName
                                     ? PlayerNameColumn::kSurname
                                     : PlayerNameColumn::kFirstName;
  struct Keyed {
    std::string key;
    std::string second;
    JOUEUR* player;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(players.size());
  for (JOUEUR* player : players)
    keyed.push_back({ListKey(NameIn(*player, column)), ListKey(NameIn(*player, other)), player});
  std::stable_sort(keyed.begin(), keyed.end(), [ascending](const Keyed& a, const Keyed& b) {
    int order = CompareListKeys(a.key, b.key);
    if (order == 0) order = CompareListKeys(a.second, b.second);
    return ascending ? order < 0 : order > 0;
  });
  for (size_t i = 0; i < keyed.size(); ++i)
    players[i] = keyed[i].player;
}

int FindPlayerByPrefix(const std::vector<JOUEUR*>& players, PlayerNameColumn column,
                       std::string_view text) {
  const std::string prefix = ToUpperText(text);
  if (prefix.empty()) return players.empty() ? -1 : 0;
  for (size_t i = 0; i < players.size(); ++i) {
    if (ToUpperText(NameIn(*players[i], column)).starts_with(prefix)) return static_cast<int>(i);
  }
  return -1;
}

std::string SelectedPlayerText(const JOUEUR* player) {
  if (!player) return {};
  return FormatText("%s %s", {player->GetFirstName(), player->GetLastName()});
}

}  // namespace scorvane

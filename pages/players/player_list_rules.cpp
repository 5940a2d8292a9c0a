#include "pages/players/player_list_rules.h"

#include "base/catalogue/messages.h"
#include "base/text_compare.h"
#include "base/text_format.h"
#include "records/match.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

// The players a match names besides the owner: the singles opponent, or the
// doubles partner and opponents (any of them may be missing).
template <class F>
void ForEachPlayerOf(const RENCONTRE& match, bool with_partner, F&& visit) {
  if (match.IsSingles()) {
    if (JOUEUR* opponent = static_cast<const RENCONTRE_SIMPLE&>(match).Opponent()) visit(opponent);
    return;
  }
  const auto& doubles = static_cast<const RENCONTRE_DOUBLE&>(match);
  if (with_partner && doubles.Partner()) visit(doubles.Partner());
  if (doubles.FirstOpponent()) visit(doubles.FirstOpponent());
  // The same player twice on the other side counts once.
  if (doubles.SecondOpponent() && doubles.SecondOpponent() != doubles.FirstOpponent())
    visit(doubles.SecondOpponent());
}

}  // namespace

std::vector<JOUEUR*> ListedPlayers(const UTILISATEUR& owner, const PlayerListFilter& filter) {
  std::unordered_set<const JOUEUR*> season_players;
  if (filter.active_season_only) season_players = PlayersOfSeason(owner.GetActiveSeason());
  const bool by_club = filter.club_only && filter.club != nullptr;
  std::vector<JOUEUR*> players;
  for (JOUEUR* player : owner.Players()) {
    if (player->IsAnonymous()) continue;
    if (filter.contacts_only && !player->IsContact()) continue;
    if (filter.active_season_only && season_players.count(player) == 0) continue;
    if (by_club && player->Club() != filter.club) continue;
    players.push_back(player);
  }
  return players;
}

int NamedPlayerCount(const UTILISATEUR& owner) {
  int count = 0;
  for (const JOUEUR* player : owner.Players()) {
    if (!player->IsAnonymous()) ++count;
  }
  return count;
}

std::string PlayersTitle(int listed, int named) {
  return FormatText("%s  ( %d / %d )", {Msg(269), listed, named});
}

std::unordered_set<const JOUEUR*> PlayersOfSeason(const SAISON_JOUEUR* season) {
  std::unordered_set<const JOUEUR*> players;
  const PALMARES* palmares = season ? season->Palmares() : nullptr;
  if (!palmares) return players;
  for (const RENCONTRE* match : palmares->Matches())
    ForEachPlayerOf(*match, /*with_partner=*/true, [&](JOUEUR* p) { players.insert(p); });
  return players;
}

std::unordered_set<const JOUEUR*> PlayersInMatches(const UTILISATEUR& owner) {
  std::unordered_set<const JOUEUR*> players;
  owner.ForEachMatch([&](const RENCONTRE* match) {
    ForEachPlayerOf(*match, /*with_partner=*/true, [&](JOUEUR* p) { players.insert(p); });
  });
  return players;
}

HeadToHeadCounts CountHeadToHead(const UTILISATEUR& owner) {
  HeadToHeadCounts counts;
  owner.ForEachMatch([&](const RENCONTRE* match) {
    const bool won = match->Result().IsWon();
    ForEachPlayerOf(*match, /*with_partner=*/false, [&](JOUEUR* opponent) {
      HeadToHead& record = counts[opponent];
      ++(won ? record.won : record.lost);
    });
  });
  return counts;
}

int FindLineByPrefix(const std::vector<const PlayerLine*>& lines, PlayerNameColumn column,
                     std::string_view text) {
  if (lines.empty()) return -1;
  // Case and accents ignored: "sebas" finds Sébastien.
  const std::string prefix = SearchKey(text);
  if (prefix.empty()) return 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const JOUEUR& player = *lines[i]->player;
    const std::string& name =
        column == PlayerNameColumn::kFirstName ? player.GetRawFirstName() : player.GetRawLastName();
    if (SearchKey(name).starts_with(prefix)) return static_cast<int>(i);
  }
  return -1;
}

PlayerDeletion PlanPlayerDeletion(const UTILISATEUR& owner, const std::vector<JOUEUR*>& selected) {
  PlayerDeletion plan;
  if (selected.empty()) return plan;
  const std::unordered_set<const JOUEUR*> in_matches = PlayersInMatches(owner);
  for (JOUEUR* player : selected)
    (in_matches.count(player) ? plan.refused : plan.deleted).push_back(player);
  plan.ask = selected.size() == 1;
  return plan;
}

std::string RefusedDeletionText(const JOUEUR& player) {
  return FormatText(Msg(player.IsWoman() ? 266 : 265),
                    {player.GetFirstName(), player.GetLastName()});
}

}  // namespace scorvane

#include "pages/common/players/player_dialog_rules.h"

#include "base/catalogue/messages.h"
#include "base/locale.h"
#include "base/text_format.h"
#include "records/owner.h"

namespace scorvane {

std::string MatchCountLine(int count, bool woman) {
  std::string line;
  if (count <= 0) {
    line = Msg(508);
  } else if (count == 1) {
    line = Msg(509);
  } else {
    line = FormatText(Msg(510), {count});
  }
  return line + Msg(woman ? 512 : 511);
}

std::string BestRankingLine(const HISTORIQUE_CLASSEMENTS& history, bool yearly) {
  const CLASSEMENT_DATE* best = history.BestEntry();
  if (!best) return {};
  const std::string when =
      yearly ? std::to_string(best->Date().Year()) : DateInSentence(best->Date());
  return FormatText(Msg(515), {best->Ranking().Text(), when});
}

std::string MatchesWithTitle(const JOUEUR& player) {
  return FormatText(Msg(520), {player.GetFirstName(), player.GetLastName()});
}

List<RENCONTRE*> MatchesWith(const UTILISATEUR& owner, const JOUEUR* player) {
  List<RENCONTRE*> matches;
  owner.ForEachMatch([&](RENCONTRE* match) {
    if (player && match->InvolvesPlayer(player)) matches.Append(match);
  });
  return matches;
}

}  // namespace scorvane

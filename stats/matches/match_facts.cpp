#include "stats/matches/match_facts.h"

#include "records/event.h"
#include "records/match.h"
#include "records/palmares.h"
#include "records/player.h"

namespace scorvane {
namespace {

OpponentFacts FactsOf(const RENCONTRE& match, const JOUEUR* player) {
  OpponentFacts facts;
  if (!player) return facts;
  facts.present = true;
  facts.woman = player->Sex() != JOUEUR::kMan;
  facts.left_handed = player->IsLeftHanded();
  facts.birth_year = static_cast<std::int16_t>(player->GetBirthYear());
  facts.ranking = match.RankingAtMatch(*player).Value();
  return facts;
}

}  // namespace

std::int32_t DateKey(int day, int month, int year) {
  // The order of DATE_SIMPLE::IsAfter.
  return year * 10000 + month * 100 + day;
}

std::vector<MatchFacts> GatherFacts(const std::vector<RENCONTRE*>& matches, const JOUEUR& owner) {
  std::vector<MatchFacts> table;
  table.reserve(matches.size());
  for (RENCONTRE* match : matches) {
    MatchFacts f;
    f.match = match;
    const PALMARES* palmares = match->GetPalmares();
    f.season = palmares ? palmares->Season() : nullptr;
    const EPREUVE_JOUEE* played = match->GetPlayedEvent();
    f.event = played ? played->Event() : nullptr;
    if (f.event) {
      f.event_type = static_cast<std::int8_t>(f.event->Type());
      f.homologation = static_cast<std::int8_t>(f.event->Homologation());
      f.age_category = static_cast<std::int8_t>(f.event->AgeCategory());
      f.corporate = f.event->IsCorporate();
    } else {
      // Outside any event a match counts as a friendly of no particular type.
      f.event_type = EPREUVE::kNoType;
      f.homologation = EPREUVE::kFriendly;
    }
    f.surface = match->GetSurface();
    const DATE_SIMPLE& date = match->GetDate();
    f.date_key = DateKey(date.Day(), date.Month(), date.Year());
    f.year = static_cast<std::int16_t>(date.Year());
    f.month = static_cast<std::int8_t>(date.Month());
    f.singles = match->IsSingles();
    f.indoor = match->IsIndoor();

    const RESULTAT_RENCONTRE& result = match->Result();
    f.won = result.IsWon();
    f.walkover = result.IsWalkover();
    f.retirement = result.IsRetirement();
    f.sets = static_cast<std::uint8_t>(result.CountSets(0));
    f.one_game_sets = static_cast<std::uint8_t>(result.CountOneGameSets(0));
    // The first counts of a score are the games of the side that won.
    f.own_one_game_sets = static_cast<std::uint8_t>(result.CountOneGameSets(f.won ? 1 : 2));
    if (f.sets > 0) {
      const RESULTAT_RENCONTRE::Set& last = result.SetAt(f.sets - 1);
      f.last_set_one_game = last.first - last.second == 1 || last.second - last.first == 1;
    }
    f.winner_games = static_cast<std::int16_t>(result.CountGames(1));
    f.games = static_cast<std::int16_t>(result.CountGames(0));

    f.own_ranking = match->RankingAtMatch(owner).Value();
    // The side's ranking as GetOpponentRanking gives it, from the rankings
    // already looked up: the opponent's, or the average of both opponents.
    if (f.singles) {
      f.opponent_count = 1;
      f.opponents[0] = FactsOf(*match, static_cast<const RENCONTRE_SIMPLE*>(match)->Opponent());
      f.opponent_side_ranking = f.opponents[0].ranking;
    } else {
      const auto* doubles = static_cast<const RENCONTRE_DOUBLE*>(match);
      f.opponent_count = 2;
      f.opponents[0] = FactsOf(*match, doubles->FirstOpponent());
      f.opponents[1] = FactsOf(*match, doubles->SecondOpponent());
      if (f.opponents[0].present && f.opponents[1].present) {
        f.opponent_side_ranking =
            AverageRanking(CLASSEMENT(f.opponents[0].ranking), CLASSEMENT(f.opponents[1].ranking))
                .Value();
      }
    }
    table.push_back(f);
  }
  return table;
}

}  // namespace scorvane

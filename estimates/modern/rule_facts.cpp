#include "estimates/modern/rule_facts.h"

#include <algorithm>

#include "estimates/modern/echelons.h"
#include "records/event.h"
#include "records/match.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane::modern {
namespace {

int DayNumber(const DATE_SIMPLE& date) {
  return date.Year() * 372 + (date.Month() - 1) * 31 + (date.Day() - 1);
}

int EchelonAt(const JOUEUR* player, int year) {
  return player ? EchelonOfGrade(player->History().RankingForYear(year).Value()) : kNC;
}

std::string NameOf(const JOUEUR* player) {
  if (!player) return {};
  std::string name = player->GetFirstName();
  if (!name.empty() && !player->GetLastName().empty()) name += ' ';
  return name + player->GetLastName();
}

bool IsHomologated(const RENCONTRE& match) {
  const EPREUVE_JOUEE* played = match.GetPlayedEvent();
  return played && played->Event() && played->Event()->Homologation() == EPREUVE::kHomologated;
}

RuleMatch Read(const RENCONTRE& match, const UTILISATEUR& owner, int year) {
  RuleMatch read;
  read.source = &match;
  read.date = match.GetDate().Format();
  read.day = DayNumber(match.GetDate());
  const RESULTAT_RENCONTRE& result = match.Result();
  read.won = result.IsWon();
  read.walkover = result.IsWalkover();
  read.no_advantage = result.IsNoAdvantage();
  read.four_games = result.IsFourGames();
  read.tie_break_third_set = result.IsTieBreakThirdSet();
  read.no_let = result.IsNoLet();
  const EPREUVE* event = match.GetPlayedEvent()->Event();
  read.championship = event->Type() == EPREUVE::kChampionship;
  const int season_year = match.SeasonYear();
  if (match.IsSingles()) {
    const JOUEUR* opponent = static_cast<const RENCONTRE_SIMPLE&>(match).Opponent();
    read.opponent = NameOf(opponent);
    read.opponent_start = EchelonAt(opponent, season_year);
    read.opponent_next = EchelonAt(opponent, year + 1);
    return read;
  }
  const auto& doubles = static_cast<const RENCONTRE_DOUBLE&>(match);
  read.doubles = true;
  read.championship = false;
  read.opponent = NameOf(doubles.FirstOpponent()) + " / " + NameOf(doubles.SecondOpponent());
  const int first = EchelonAt(doubles.FirstOpponent(), season_year);
  const int second = EchelonAt(doubles.SecondOpponent(), season_year);
  read.opponent_start = read.opponent_next = std::min(first, second);
  read.opponent_pair = first + second;
  read.own_pair = EchelonAt(&owner, season_year) + EchelonAt(doubles.Partner(), season_year);
  return read;
}

void ReadSeason(const UTILISATEUR& owner, const SAISON_JOUEUR* season, int year,
                std::vector<RuleMatch>& matches) {
  const PALMARES* palmares = season ? season->Palmares() : nullptr;
  if (!palmares) return;
  for (const RENCONTRE* match : palmares->Matches()) {
    if (IsHomologated(*match)) matches.push_back(Read(*match, owner, year));
  }
}

}  // namespace

RuleFacts CollectRuleFacts(const UTILISATEUR& owner, const SAISON_JOUEUR* season,
                           int window_months) {
  RuleFacts facts;
  facts.year = season ? season->Year() : 0;
  facts.woman = owner.IsWoman();
  facts.original = EchelonAt(&owner, facts.year);
  ReadSeason(owner, season, facts.year, facts.matches);
  if (window_months <= 0 || facts.matches.empty()) return facts;
  int last = facts.matches.front().day;
  for (const RuleMatch& match : facts.matches)
    last = std::max(last, match.day);
  // The window reaches back into the previous season.
  std::vector<RuleMatch> earlier;
  ReadSeason(owner, owner.FindSeason(facts.year - 1), facts.year, earlier);
  const int first = last - window_months * 31;
  for (RuleMatch& match : earlier) {
    if (match.day > first) facts.matches.push_back(std::move(match));
  }
  return facts;
}

void AddPlanned(RuleFacts& facts, const PlannedMatch& planned) {
  RuleMatch match;
  match.opponent_start = match.opponent_next = planned.opponent;
  match.won = planned.won;
  match.planned = true;
  match.championship = planned.kind == PlannedMatch::Kind::kChampionship;
  match.no_advantage = planned.format == PlannedMatch::Format::kNoAdvantage;
  match.four_games = planned.format == PlannedMatch::Format::kFourGames;
  match.tie_break_third_set = planned.format == PlannedMatch::Format::kTieBreakThirdSet;
  facts.matches.push_back(std::move(match));
}

}  // namespace scorvane::modern

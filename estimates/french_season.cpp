#include "estimates/french_season.h"

#include <algorithm>
#include <array>

#include "records/event.h"
#include "records/match.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane::french {
namespace {

int32_t RankingForYear(const JOUEUR* player, int year) {
  return player ? player->History().RankingForYear(year).Value() : CLASSEMENT::kNone;
}

KeptVictory MatchEntry(const RENCONTRE_SIMPLE& match, int year) {
  KeptVictory entry;
  entry.ranking = RankingForYear(match.Opponent(), year + 1);
  entry.match = &match;
  return entry;
}

KeptVictory EventEntry(const EPREUVE_JOUEE& played) {
  KeptVictory entry;
  entry.ranking = played.BestRanking().Value();
  entry.event_won = true;
  entry.played = &played;
  return entry;
}

std::string EventName(const EPREUVE_JOUEE* played) {
  return played && played->Event() ? played->Event()->Name() : std::string();
}

bool CountsAsEventWon(const EPREUVE_JOUEE* played) {
  if (!played || !played->IsWon() || !played->Event()) return false;
  const int32_t type = played->Event()->Type();
  return type == EPREUVE::kTournament || type == EPREUVE::kChampionship;
}

// At most two events won, chosen in the order their matches come in the
// palmares: a free place takes the event; when both are taken the new event
// replaces the worse of the two if that one is strictly worse.
std::vector<const EPREUVE_JOUEE*> ChooseEventsWon(const PALMARES& palmares) {
  std::array<const EPREUVE_JOUEE*, 2> chosen = {nullptr, nullptr};
  for (const RENCONTRE* match : palmares.Matches()) {
    const EPREUVE_JOUEE* played = match->GetPlayedEvent();
    if (!CountsAsEventWon(played) || played == chosen[0] || played == chosen[1]) continue;
    if (!chosen[0]) {
      chosen[0] = played;
    } else if (!chosen[1]) {
      chosen[1] = played;
    } else {
      const int32_t first = chosen[0]->BestRanking().Value();
      const int32_t second = chosen[1]->BestRanking().Value();
      const size_t worse = second < first ? 1 : 0;
      if (chosen[worse]->BestRanking().Value() < played->BestRanking().Value()) {
        chosen[worse] = played;
      }
    }
  }
  std::vector<const EPREUVE_JOUEE*> events;
  for (const EPREUVE_JOUEE* played : chosen) {
    if (played) events.push_back(played);
  }
  return events;
}

// Best grade first; among equal grades the entry met later comes first.
void OrderEntries(std::vector<KeptVictory>& entries) {
  std::vector<size_t> order(entries.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(), [&entries](size_t a, size_t b) {
    if (entries[a].ranking != entries[b].ranking) return entries[a].ranking > entries[b].ranking;
    return a > b;
  });
  std::vector<KeptVictory> sorted;
  sorted.reserve(entries.size());
  for (const size_t i : order)
    sorted.push_back(std::move(entries[i]));
  entries = std::move(sorted);
}

}  // namespace

KeptVictoryTexts TextsOf(const KeptVictory& entry) {
  KeptVictoryTexts texts;
  if (entry.match) {
    texts.date = entry.match->GetDate().Format();
    texts.event_name = EventName(entry.match->GetPlayedEvent());
    if (const JOUEUR* opponent = entry.match->Opponent()) {
      texts.first_name = opponent->GetFirstName();
      texts.last_name = opponent->GetLastName();
    }
  } else if (entry.played) {
    texts.date = entry.played->StartDate().Format();
    texts.event_name = EventName(entry.played);
  }
  return texts;
}

SeasonFacts CollectSeasonFacts(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  SeasonFacts facts;
  facts.year = season ? season->Year() : 0;
  facts.woman = owner.IsWoman();
  const int32_t owner_ranking = owner.History().RankingForYear(facts.year).Value();
  facts.owner_ranking = IsGrade(owner_ranking) ? owner_ranking : kNC;

  const PALMARES* palmares = season ? season->Palmares() : nullptr;
  if (!palmares) return facts;

  const MatchMask won_on_court = MatchMask::FromNumber(kMaskSinglesWonOnCourt);
  const MatchMask lost_on_court = MatchMask::FromNumber(kMaskSinglesLostOnCourt);
  for (const RENCONTRE* match : palmares->Matches()) {
    // Both masks only accept singles matches.
    if (won_on_court.Accepts(*match)) {
      const auto& singles = static_cast<const RENCONTRE_SIMPLE&>(*match);
      facts.entries.push_back(MatchEntry(singles, facts.year));
      const int32_t beaten = RankingForYear(singles.Opponent(), facts.year);
      if (!facts.has_match_victory || beaten > facts.best_beaten) facts.best_beaten = beaten;
      facts.has_match_victory = true;
    } else if (lost_on_court.Accepts(*match)) {
      const auto& singles = static_cast<const RENCONTRE_SIMPLE&>(*match);
      facts.court_defeats.push_back(RankingForYear(singles.Opponent(), facts.year + 1));
    }
  }
  for (const EPREUVE_JOUEE* played : ChooseEventsWon(*palmares))
    facts.entries.push_back(EventEntry(*played));
  OrderEntries(facts.entries);

  facts.wins = palmares->Count(kMaskSinglesWon);
  facts.homologated_singles = palmares->Count(kMaskHomologatedSingles);
  facts.walkover_defeats = palmares->Count(kMaskSinglesLostByWalkover);
  facts.championship_wins = palmares->Count(kMaskChampionshipWins);
  facts.worst_defeat = palmares->WorstDefeat().Value();
  return facts;
}

void AddHypotheticalWins(SeasonFacts& facts, int32_t grade, int count) {
  for (int i = 0; i < count; ++i) {
    KeptVictory entry;
    entry.ranking = grade;
    // Played last: before the entries of the same grade.
    const auto at = std::find_if(facts.entries.begin(), facts.entries.end(),
                                 [grade](const KeptVictory& e) { return e.ranking <= grade; });
    facts.entries.insert(at, std::move(entry));
    if (!facts.has_match_victory || grade > facts.best_beaten) facts.best_beaten = grade;
    facts.has_match_victory = true;
    ++facts.wins;
    ++facts.homologated_singles;
  }
}

void AddHypotheticalDefeats(SeasonFacts& facts, int32_t grade, int count) {
  for (int i = 0; i < count; ++i) {
    facts.court_defeats.push_back(grade);
    ++facts.homologated_singles;
    facts.worst_defeat = std::min(facts.worst_defeat, grade);
  }
}

}  // namespace scorvane::french

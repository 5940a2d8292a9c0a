#include "estimates/belgian_season.h"

#include <algorithm>
#include <array>

#include "ranking/ranking_registry.h"
#include "records/event.h"
#include "records/match.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane::belgian {
namespace {

// Victories on court by difference of grades -4 (or less) .. +2 (or more).
constexpr std::array<int, 7> kWinPoints = {0, 5, 10, 25, 50, 100, 150};
// Defeats by difference -2 (or less) .. +1 (or more).
constexpr std::array<int, 4> kDefeatPoints = {-60, -30, -15, 0};

// The bonus masks: homologated singles played on court, by event type.
constexpr uint32_t kOnCourtHomologatedSingles =
    MatchMask::kNoWalkover | MatchMask::kOnlyHomologated | MatchMask::kOnlySingles;

int Count(const PALMARES& palmares, uint32_t flags) {
  MatchMask mask;
  mask.flags = flags;
  return palmares.Count(mask);
}

MatchEntry EntryOf(const RENCONTRE_SIMPLE& match, int year) {
  MatchEntry entry;
  const JOUEUR* opponent = match.Opponent();
  entry.ranking = opponent ? opponent->History().RankingForYear(year + 1).Value() : -1;
  entry.won = match.Result().IsWon();
  entry.walkover = match.Result().Walkover();
  const EPREUVE_JOUEE* played = match.GetPlayedEvent();
  const EPREUVE* event = played ? played->Event() : nullptr;
  entry.seniors = event && event->AgeCategory() == EPREUVE::kSeniors;
  entry.match = &match;
  return entry;
}

}  // namespace

std::string GradeText(int32_t grade) {
  return Registry().Belgian().TextOfValue(grade);
}

MatchTexts TextsOf(const MatchEntry& entry) {
  MatchTexts texts;
  if (!entry.match) return texts;
  texts.date = entry.match->GetDate().Format();
  const EPREUVE_JOUEE* played = entry.match->GetPlayedEvent();
  if (played && played->Event()) texts.event_name = played->Event()->Name();
  if (const JOUEUR* opponent = entry.match->Opponent()) {
    texts.first_name = opponent->GetFirstName();
    texts.last_name = opponent->GetLastName();
  }
  return texts;
}

double MatchPoints(const MatchEntry& match, int32_t trial) {
  // Differences are taken in 64 bits: opponents' values come from files.
  const int64_t difference = int64_t{match.ranking} - trial;
  int points = 0;
  if (match.won) {
    if (match.walkover == 0) {
      points = kWinPoints[static_cast<size_t>(std::clamp<int64_t>(difference, -4, 2) + 4)];
    }
  } else if (match.walkover != 2) {
    points = kDefeatPoints[static_cast<size_t>(std::clamp<int64_t>(difference, -2, 1) + 2)];
  }
  return match.seniors ? points : points / 2.0;
}

SeasonFacts CollectSeasonFacts(const UTILISATEUR& owner, const SAISON_JOUEUR* season) {
  SeasonFacts facts;
  facts.year = season ? season->Year() : 0;
  const int32_t owner_ranking = owner.History().RankingForYear(facts.year).Value();
  facts.owner_ranking = IsGrade(owner_ranking) ? owner_ranking : kNC;
  const PALMARES* palmares = season ? season->Palmares() : nullptr;
  if (!palmares) return facts;

  const MatchMask homologated_singles = MatchMask::FromNumber(kMaskHomologatedSingles);
  for (const RENCONTRE* match : palmares->Matches()) {
    if (homologated_singles.Accepts(*match)) {
      facts.entries.push_back(EntryOf(static_cast<const RENCONTRE_SIMPLE&>(*match), facts.year));
    }
  }
  // Highest points at the owner's grade first; among equal points the match
  // met later comes first.
  std::vector<std::pair<double, size_t>> order;
  order.reserve(facts.entries.size());
  for (size_t i = 0; i < facts.entries.size(); ++i)
    order.emplace_back(MatchPoints(facts.entries[i], facts.owner_ranking), i);
  std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first > b.first;
    return a.second > b.second;
  });
  std::vector<MatchEntry> sorted;
  sorted.reserve(order.size());
  for (const auto& [points, index] : order)
    sorted.push_back(std::move(facts.entries[index]));
  facts.entries = std::move(sorted);

  facts.championship_matches =
      Count(*palmares,
            kOnCourtHomologatedSingles | MatchMask::kOnlyChampionship | MatchMask::kNoTeamEvent);
  facts.team_matches = Count(*palmares, kOnCourtHomologatedSingles | MatchMask::kOnlyTeamEvent);
  facts.tournament_matches =
      Count(*palmares, kOnCourtHomologatedSingles | MatchMask::kOnlyTournament);
  return facts;
}

namespace {

// Matches played last in a homologated seniors tournament.
void AddHypotheticalMatches(SeasonFacts& facts, int32_t grade, bool won, int count) {
  for (int i = 0; i < count; ++i) {
    MatchEntry entry;
    entry.ranking = grade;
    entry.won = won;
    entry.seniors = true;
    const double points = MatchPoints(entry, facts.owner_ranking);
    const auto at = std::find_if(
        facts.entries.begin(), facts.entries.end(),
        [&](const MatchEntry& e) { return MatchPoints(e, facts.owner_ranking) <= points; });
    facts.entries.insert(at, std::move(entry));
    ++facts.tournament_matches;
  }
}

}  // namespace

void AddHypotheticalWins(SeasonFacts& facts, int32_t grade, int count) {
  AddHypotheticalMatches(facts, grade, true, count);
}

void AddHypotheticalDefeats(SeasonFacts& facts, int32_t grade, int count) {
  AddHypotheticalMatches(facts, grade, false, count);
}

}  // namespace scorvane::belgian

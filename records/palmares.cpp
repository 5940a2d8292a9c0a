#include "records/palmares.h"

#include <unordered_set>

#include "base/record_lists.h"
#include "ranking/ranking_registry.h"
#include "records/event.h"
#include "records/match.h"
#include "records/player.h"
#include "records/season.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(PALMARES, CObject);

MatchMask MatchMask::FromNumber(uint32_t number) {
  MatchMask mask;
  mask.flags = number & 0x1FF;
  return mask;
}

bool MatchMask::Accepts(const RENCONTRE& match) const {
  const EPREUVE_JOUEE* played = match.GetPlayedEvent();
  const EPREUVE* event = played ? played->Event() : nullptr;
  // A match outside any event counts as a friendly of no particular type.
  const int32_t homologation = event ? event->Homologation() : EPREUVE::kFriendly;
  const int32_t type = event ? event->Type() : EPREUVE::kNoType;
  const bool corporate = event && event->IsCorporate();
  const bool walkover = match.Result().IsWalkover();
  const bool won = match.Result().IsWon();
  const bool singles = match.IsSingles();

  const auto rejects = [this](uint32_t bit, bool condition) { return (flags & bit) && condition; };
  if (rejects(kNoWalkover, walkover)) return false;
  if (rejects(kOnlyWalkover, !walkover)) return false;
  if (rejects(kOnlyWon, !won)) return false;
  if (rejects(kOnlyLost, won)) return false;
  if (rejects(kOnlyHomologated, homologation != EPREUVE::kHomologated)) return false;
  if (rejects(kOnlyChampionship, type != EPREUVE::kChampionship)) return false;
  if (rejects(kOnlyFriendly, homologation != EPREUVE::kFriendly)) return false;
  if (rejects(kOnlySingles, !singles)) return false;
  if (rejects(kOnlyDoubles, singles)) return false;
  if (rejects(kNoFriendly, homologation == EPREUVE::kFriendly)) return false;
  if (rejects(kNoChampionship, type == EPREUVE::kChampionship)) return false;
  if (rejects(kNoCorporate, corporate)) return false;
  if (rejects(kNoTeamEvent, type == EPREUVE::kTeamEvent)) return false;
  if (rejects(kOnlyTeamEvent, type != EPREUVE::kTeamEvent)) return false;
  if (rejects(kNoHomologated, homologation == EPREUVE::kHomologated)) return false;
  if (rejects(kNoNonHomologated, homologation == EPREUVE::kNonHomologated)) return false;
  if (rejects(kNoTournament, type == EPREUVE::kTournament)) return false;
  if (rejects(kOnlyTournament, type != EPREUVE::kTournament)) return false;

  if (!compare_with_fixed && !compare_with_owner) return true;
  CLASSEMENT ref = reference;
  if (compare_with_owner) ref = match.RankingAtMatch(*compare_with_owner);
  const CLASSEMENT opponent = match.GetOpponentRanking();
  if (require_equal && !opponent.Equals(ref)) return false;
  if (require_worse && !opponent.IsWorseThan(ref)) return false;
  if (require_better) return opponent.IsBetterThan(ref);
  return true;
}

PALMARES::~PALMARES() {
  // Matches that outlive their season are no longer retained anywhere.
  for (RENCONTRE* match : matches_) {
    if (match->palmares_ == this) match->palmares_ = nullptr;
  }
}

void PALMARES::AddMatch(RENCONTRE* match) {
  if (!matches_.Contains(match)) matches_.Append(match);
  match->palmares_ = this;
  if (EPREUVE_JOUEE* played = match->GetPlayedEvent()) AddPlayedEvent(played);
}

void PALMARES::RemoveMatch(RENCONTRE* match) {
  if (matches_.Remove(match) && match->palmares_ == this) match->palmares_ = nullptr;
}

bool PALMARES::ReplaceMatch(RENCONTRE* match, RENCONTRE* replacement) {
  if (!matches_.Replace(match, replacement)) return false;
  if (match->palmares_ == this) match->palmares_ = nullptr;
  replacement->palmares_ = this;
  if (EPREUVE_JOUEE* played = replacement->GetPlayedEvent()) AddPlayedEvent(played);
  return true;
}

void PALMARES::AddPlayedEvent(EPREUVE_JOUEE* played) {
  if (!played_.Contains(played)) played_.Add(played);
}

void PALMARES::RemovePlayedEvent(EPREUVE_JOUEE* played) {
  played_.Remove(played);
}

void PALMARES::ClaimResolved(RENCONTRE& match) {
  match.palmares_ = this;
}

void PALMARES::ForgetResolvedClaim(RENCONTRE& match) {
  match.palmares_ = nullptr;
}

int PALMARES::Count(const MatchMask& mask) const {
  int count = 0;
  for (const RENCONTRE* match : matches_) {
    if (mask.Accepts(*match)) ++count;
  }
  return count;
}

int PALMARES::CountTournaments(const MatchMask& mask) const {
  MatchMask tournaments = mask;
  tournaments.flags |= MatchMask::kOnlyTournament;
  std::unordered_set<const EPREUVE_JOUEE*> seen;
  for (const RENCONTRE* match : matches_) {
    const EPREUVE_JOUEE* played = match->GetPlayedEvent();
    if (played && !seen.contains(played) && tournaments.Accepts(*match)) seen.insert(played);
  }
  return static_cast<int>(seen.size());
}

CLASSEMENT PALMARES::WorstDefeat() const {
  const MatchMask lost = MatchMask::FromNumber(kMaskSinglesLostOnCourt);
  const int year = season_ ? season_->Year() : 0;
  bool found = false;
  CLASSEMENT worst = CLASSEMENT::Best();
  for (const RENCONTRE* match : matches_) {
    if (!lost.Accepts(*match)) continue;
    const auto* singles = static_cast<const RENCONTRE_SIMPLE*>(match);
    if (!singles->Opponent()) continue;
    const CLASSEMENT ranking = singles->Opponent()->History().RankingForYear(year);
    if (!found || ranking.IsWorseThan(worst)) worst = ranking;
    found = true;
  }
  return worst;
}

void PALMARES::Serialize(Archive& ar) {
  ar.Version(0);
  if (ar.IsStoring()) {
    std::vector<int16_t> ids;
    for (const RENCONTRE* match : matches_)
      ids.push_back(match->Id());
    WriteIdList(ar, ids);
    ids.clear();
    for (const EPREUVE_JOUEE* played : played_)
      ids.push_back(played->Id());
    WriteIdList(ar, ids);
  } else {
    pending_match_ids = ReadIdList(ar);
    pending_played_ids = ReadIdList(ar);
  }
}

}  // namespace scorvane

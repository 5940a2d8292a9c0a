// A season's record of results: the matches played in the season and the
// played events that hold them, read through the match selection mask.
#pragma once

#include <cstdint>
#include <vector>

#include "base/list.h"
#include "base/record.h"
#include "ranking/ranking_value.h"

namespace scorvane {

class EPREUVE_JOUEE;
class JOUEUR;
class RENCONTRE;
class SAISON_JOUEUR;

// Which matches count: condition bits on walkover, outcome, homologation,
// event type, singles or doubles and corporate events, then an optional
// comparison of the opponent's ranking.
struct MatchMask {
  // The match is rejected when...
  static constexpr uint32_t kNoWalkover = 0x1;           // ...it is a walkover
  static constexpr uint32_t kOnlyWalkover = 0x2;         // ...it is not a walkover
  static constexpr uint32_t kOnlyWon = 0x4;              // ...it was not won
  static constexpr uint32_t kOnlyLost = 0x8;             // ...it was won
  static constexpr uint32_t kOnlyHomologated = 0x10;     // ...homologation is not 1
  static constexpr uint32_t kOnlyChampionship = 0x20;    // ...type is not 2
  static constexpr uint32_t kOnlyFriendly = 0x40;        // ...homologation is not 0
  static constexpr uint32_t kOnlySingles = 0x80;         // ...it is not a singles match
  static constexpr uint32_t kOnlyDoubles = 0x100;        // ...it is a singles match
  static constexpr uint32_t kNoFriendly = 0x200;         // ...homologation is 0
  static constexpr uint32_t kNoChampionship = 0x400;     // ...type is 2
  static constexpr uint32_t kNoCorporate = 0x800;        // ...the event is corporate
  static constexpr uint32_t kNoTeamEvent = 0x1000;       // ...type is 3
  static constexpr uint32_t kOnlyTeamEvent = 0x20000;    // ...type is not 3
  static constexpr uint32_t kNoHomologated = 0x2000;     // ...homologation is 1
  static constexpr uint32_t kNoNonHomologated = 0x4000;  // ...homologation is 2
  static constexpr uint32_t kNoTournament = 0x8000;      // ...type is 1
  static constexpr uint32_t kOnlyTournament = 0x10000;   // ...type is not 1

  uint32_t flags = 0;
  bool compare_with_fixed = false;
  // When set, the opponent is compared with this player's ranking at the
  // match (the document's owner).
  const JOUEUR* compare_with_owner = nullptr;
  bool require_equal = false;
  bool require_worse = false;
  bool require_better = false;
  CLASSEMENT reference;

  MatchMask() = default;
  // Bits 0..8 of the number become the flags 0x1..0x100.
  static MatchMask FromNumber(uint32_t number);

  bool Accepts(const RENCONTRE& match) const;
};

// The masks of the ranking estimates.
inline constexpr uint32_t kMaskHomologatedSingles = 144;
inline constexpr uint32_t kMaskSinglesWon = 148;
inline constexpr uint32_t kMaskSinglesWonOnCourt = 149;
inline constexpr uint32_t kMaskSinglesLostOnCourt = 153;
inline constexpr uint32_t kMaskSinglesLostByWalkover = 154;
inline constexpr uint32_t kMaskChampionshipWins = 180;

class PALMARES : public CObject {
  SCORVANE_DECLARE_RECORD(PALMARES)
 public:
  PALMARES() = default;
  explicit PALMARES(SAISON_JOUEUR* season) : season_(season) {}
  ~PALMARES() override;
  PALMARES(const PALMARES&) = delete;
  PALMARES& operator=(const PALMARES&) = delete;

  const List<RENCONTRE*>& Matches() const { return matches_; }
  const List<EPREUVE_JOUEE*>& PlayedEvents() const { return played_; }
  SAISON_JOUEUR* Season() const { return season_; }
  void SetSeason(SAISON_JOUEUR* season) { season_ = season; }

  // Adds the match after the others unless present, points it here, and
  // adds its played event unless present.
  void AddMatch(RENCONTRE* match);
  // Forgets a match (its played event stays).
  void RemoveMatch(RENCONTRE* match);
  // Retains `replacement` in the place of `match`, which is no longer
  // retained; false when `match` is not retained here.
  bool ReplaceMatch(RENCONTRE* match, RENCONTRE* replacement);
  // Adds a played event unless present (an event without matches yet).
  void AddPlayedEvent(EPREUVE_JOUEE* played);
  void RemovePlayedEvent(EPREUVE_JOUEE* played);

  int Count(const MatchMask& mask) const;
  int Count(uint32_t mask_number) const { return Count(MatchMask::FromNumber(mask_number)); }
  // Distinct played events holding a match accepted by the mask with
  // "tournament only" added.
  int CountTournaments(const MatchMask& mask) const;
  // The worst opponent ranking, at 1 January of the season's year, among the
  // homologated singles lost on court; the best value of the system when none.
  CLASSEMENT WorstDefeat() const;

  void Serialize(Archive& ar) override;

  // While a document is read: the raw identifiers.
  std::vector<int16_t> pending_match_ids;
  std::vector<int16_t> pending_played_ids;
  // Used by the document reader once identifiers are resolved: room for
  // the identifiers read, then each record in turn. A match is claimed (it
  // names this palmares) apart from being listed, so that the reader can
  // claim the matches in their order in memory and list them in the order
  // of the file.
  void ReserveResolved() {
    matches_.Reserve(static_cast<int>(pending_match_ids.size()));
    played_.Reserve(static_cast<int>(pending_played_ids.size()));
  }
  void ClaimResolved(RENCONTRE& match);
  static void ForgetResolvedClaim(RENCONTRE& match);
  void AppendResolved(RENCONTRE* match) { matches_.Append(match); }
  void AppendResolved(EPREUVE_JOUEE* played) { played_.Append(played); }
  // A played event known to be absent, put first as AddPlayedEvent would.
  void PrependResolved(EPREUVE_JOUEE* played) { played_.Add(played); }

 private:
  List<RENCONTRE*> matches_;
  List<EPREUVE_JOUEE*> played_;
  SAISON_JOUEUR* season_ = nullptr;
};

}  // namespace scorvane

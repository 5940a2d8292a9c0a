// The event a match is entered in, as the match dialog holds it until the
// user confirms: a played event of the document, the season's friendly
// matches (whose played event may not exist yet), or an event entered in
// the event dialog (made or updated only when the match is stored). Also the
// rules around it: which played events the new-match chooser offers, the
// two description lines under the event button, and the friendly matches'
// played event of a season.
#pragma once

#include <string>
#include <vector>

#include "base/dates.h"
#include "records/event_entry.h"

namespace scorvane {

class SAISON_JOUEUR;
class UTILISATEUR;

class MatchEventChoice {
 public:
  enum class Kind { kNone, kPlayed, kFriendly, kEntered };

  MatchEventChoice() = default;
  static MatchEventChoice Played(EPREUVE_JOUEE* played);
  // The season's friendly matches: their played event when the season has
  // one, else one to be made when the match is stored.
  static MatchEventChoice Friendly(const UTILISATEUR& owner, int season_year);
  static MatchEventChoice Entered(EventEntry entry);

  Kind GetKind() const { return kind_; }
  bool IsSet() const { return kind_ != Kind::kNone; }
  // The played event of the document behind the choice, when there is one.
  EPREUVE_JOUEE* ExistingPlayed() const;
  const EventEntry* Entry() const { return kind_ == Kind::kEntered ? &entry_ : nullptr; }

  std::string Name(const UTILISATEUR& owner) const;
  bool IsCorporate() const;
  DATE_SIMPLE Start() const;
  DATE_SIMPLE End() const;

  // The played event the match goes into, made or updated as needed.
  EPREUVE_JOUEE* Resolve(UTILISATEUR& owner) const;

 private:
  Kind kind_ = Kind::kNone;
  EPREUVE_JOUEE* played_ = nullptr;
  int season_year_ = 0;
  EventEntry entry_;
};

// The owner's friendly-matches event (the last one flagged), without
// making one; null when there is none.
EPREUVE* FindFriendlyGroup(const UTILISATEUR& owner);
// The friendly matches' played event of a season: the one that starts in
// the season (one that only ends in it belongs to the season before);
// null when none.
EPREUVE_JOUEE* FindFriendlyPlayed(const UTILISATEUR& owner, int season_year);
// The same, made when missing (with the friendly-matches event when that is
// missing too), from 1 January to 31 December of the season year.
EPREUVE_JOUEE* EnsureFriendlyPlayed(UTILISATEUR& owner, int season_year);

// The played events the new-match chooser lists: every played event the
// season retains except the friendly matches, in the season's order.
std::vector<EPREUVE_JOUEE*> ChoosableEvents(const SAISON_JOUEUR& season);

// The two lines under the event button: "Event: NAME" (with " (corpo.)" for
// a corporate event) and "From START to END"; without an event, "No event
// for this match" and the hint to click the button.
struct EventLines {
  std::string first;
  std::string second;
};
EventLines EventDescription(const MatchEventChoice& choice, const UTILISATEUR& owner);

}  // namespace scorvane

#include "records/match_event_choice.h"

#include "base/catalogue/messages.h"
#include "base/locale.h"
#include "base/text_format.h"
#include "records/owner.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {

MatchEventChoice MatchEventChoice::Played(EPREUVE_JOUEE* played) {
  MatchEventChoice choice;
  if (!played) return choice;
  choice.kind_ = Kind::kPlayed;
  choice.played_ = played;
  return choice;
}

MatchEventChoice MatchEventChoice::Friendly(const UTILISATEUR& owner, int season_year) {
  if (EPREUVE_JOUEE* played = FindFriendlyPlayed(owner, season_year)) return Played(played);
  MatchEventChoice choice;
  choice.kind_ = Kind::kFriendly;
  choice.season_year_ = season_year;
  return choice;
}

MatchEventChoice MatchEventChoice::Entered(EventEntry entry) {
  MatchEventChoice choice;
  choice.kind_ = Kind::kEntered;
  choice.entry_ = std::move(entry);
  return choice;
}

EPREUVE_JOUEE* MatchEventChoice::ExistingPlayed() const {
  switch (kind_) {
    case Kind::kPlayed:
      return played_;
    case Kind::kEntered:
      return entry_.played;
    default:
      return nullptr;
  }
}

std::string MatchEventChoice::Name(const UTILISATEUR& owner) const {
  switch (kind_) {
    case Kind::kPlayed:
      return played_->Event() ? played_->Event()->Name() : std::string();
    case Kind::kFriendly: {
      const EPREUVE* group = FindFriendlyGroup(owner);
      return group ? group->Name() : std::string(Msg(20));
    }
    case Kind::kEntered:
      return entry_.event ? entry_.event->Name() : entry_.values.name;
    case Kind::kNone:
      break;
  }
  return {};
}

bool MatchEventChoice::IsCorporate() const {
  switch (kind_) {
    case Kind::kPlayed:
      return played_->Event() && played_->Event()->IsCorporate();
    case Kind::kEntered:
      return entry_.values.corporate;
    default:
      return false;
  }
}

DATE_SIMPLE MatchEventChoice::Start() const {
  switch (kind_) {
    case Kind::kPlayed:
      return played_->StartDate();
    case Kind::kFriendly:
      return DATE_SIMPLE(1, 1, season_year_);
    case Kind::kEntered:
      return entry_.values.start;
    case Kind::kNone:
      break;
  }
  return {};
}

DATE_SIMPLE MatchEventChoice::End() const {
  switch (kind_) {
    case Kind::kPlayed:
      return played_->EndDate();
    case Kind::kFriendly:
      return DATE_SIMPLE(31, 12, season_year_);
    case Kind::kEntered:
      return entry_.values.end.IsBefore(entry_.values.start) ? entry_.values.start
                                                             : entry_.values.end;
    case Kind::kNone:
      break;
  }
  return {};
}

EPREUVE_JOUEE* MatchEventChoice::Resolve(UTILISATEUR& owner) const {
  switch (kind_) {
    case Kind::kPlayed:
      return played_;
    case Kind::kFriendly:
      return EnsureFriendlyPlayed(owner, season_year_);
    case Kind::kEntered:
      return StoreEventEntry(owner, entry_);
    case Kind::kNone:
      break;
  }
  return nullptr;
}

EPREUVE* FindFriendlyGroup(const UTILISATEUR& owner) {
  EPREUVE* group = nullptr;
  for (EPREUVE* event : owner.Events()) {
    if (event->IsFriendlyGroup()) group = event;
  }
  return group;
}

EPREUVE_JOUEE* FindFriendlyPlayed(const UTILISATEUR& owner, int season_year) {
  const EPREUVE* group = FindFriendlyGroup(owner);
  if (!group) return nullptr;
  for (EPREUVE_JOUEE* played : group->Played()) {
    if (played->StartDate().IsInSeason(season_year)) return played;
  }
  return nullptr;
}

EPREUVE_JOUEE* EnsureFriendlyPlayed(UTILISATEUR& owner, int season_year) {
  if (EPREUVE_JOUEE* played = FindFriendlyPlayed(owner, season_year)) return played;
  EPREUVE* group = owner.GetFriendlyGroup();
  EPREUVE_JOUEE* played =
      group->AddPlayed(DATE_SIMPLE(1, 1, season_year), DATE_SIMPLE(31, 12, season_year));
  owner.MarkModified();
  return played;
}

std::vector<EPREUVE_JOUEE*> ChoosableEvents(const SAISON_JOUEUR& season) {
  std::vector<EPREUVE_JOUEE*> events;
  if (!season.Palmares()) return events;
  for (EPREUVE_JOUEE* played : season.Palmares()->PlayedEvents()) {
    if (played->Event() && !played->Event()->IsFriendlyGroup()) events.push_back(played);
  }
  return events;
}

EventLines EventDescription(const MatchEventChoice& choice, const UTILISATEUR& owner) {
  if (!choice.IsSet()) return {Msg(542), Msg(543)};
  EventLines lines;
  lines.first = FormatText(Msg(544), {choice.Name(owner)});
  if (choice.IsCorporate()) lines.first += Msg(545);
  lines.second =
      FormatText(Msg(546), {DateInSentence(choice.Start()), DateInSentence(choice.End())});
  return lines;
}

}  // namespace scorvane

#include "records/season.h"

#include "base/currency.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/player.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(SAISON_JOUEUR, CObject);

namespace {

constexpr const char* kPalmaresTag = "PAL";
constexpr const char* kNoPalmaresTag = "PP";
constexpr const char* kOldClubTag = "CLUB";

}  // namespace

SAISON_JOUEUR::SAISON_JOUEUR() = default;

SAISON_JOUEUR::SAISON_JOUEUR(int year) : year_(year) {}

SAISON_JOUEUR::~SAISON_JOUEUR() = default;

PALMARES& SAISON_JOUEUR::EnsurePalmares() {
  if (!palmares_) palmares_ = std::make_unique<PALMARES>(this);
  return *palmares_;
}

void SAISON_JOUEUR::RetainMatch(RENCONTRE* match) {
  EnsurePalmares().AddMatch(match);
}

SOMME SAISON_JOUEUR::GetGains() const {
  float total = finances_.GainsTotal().Get();
  if (palmares_) {
    for (const EPREUVE_JOUEE* played : palmares_->PlayedEvents()) {
      total += played->PrizeMoney().Get();
    }
  }
  return Currency::RoundTrip(total);
}

SOMME SAISON_JOUEUR::GetExpenses() const {
  float total = finances_.ExpensesTotal().Get();
  if (palmares_) {
    for (const EPREUVE_JOUEE* played : palmares_->PlayedEvents()) {
      total += played->EntryFee().Get() + played->TravelExpenses().Get();
    }
  }
  return Currency::RoundTrip(total);
}

void SAISON_JOUEUR::Serialize(Archive& ar) {
  const uint16_t version = ar.Version(3);
  year_.Serialize(ar);

  if (ar.IsLoading() && version == 0) {
    // The oldest seasons held the owner's ranking; it now lives in the history.
    CLASSEMENT ranking;
    ranking.Serialize(ar);
    if (player_) player_->History().Add(ranking, DATE_SIMPLE(1, 1, year_.Get()), "");
  }

  finances_.Serialize(ar);

  std::optional<int32_t> old_club;
  if (ar.IsLoading() && version <= 1) {
    old_club = ar.ReadTextEquals(kOldClubTag) ? static_cast<int16_t>(ar.ReadU16()) + 1 : 0;
  }
  if (ar.IsLoading() && player_) player_->NoteSeasonRead(year_.Get(), old_club);

  if (ar.IsStoring()) {
    ar.WriteText(palmares_ ? kPalmaresTag : kNoPalmaresTag);
    if (palmares_) palmares_->Serialize(ar);
  } else if (ar.ReadTextEquals(kPalmaresTag)) {
    palmares_ = std::make_unique<PALMARES>(this);
    palmares_->Serialize(ar);
  }

  if (version >= 3) {
    ar.Text(comment_);
  } else {
    comment_.clear();
  }
}

}  // namespace scorvane

#include "records/match.h"

#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/player.h"
#include "records/season.h"

namespace scorvane {

SCORVANE_IMPLEMENT_ABSTRACT_RECORD(RENCONTRE, CObject);
SCORVANE_IMPLEMENT_RECORD(RENCONTRE_SIMPLE, RENCONTRE);
SCORVANE_IMPLEMENT_RECORD(RENCONTRE_DOUBLE, RENCONTRE);

namespace {

constexpr const char* kSurfaceTag = "SURF:";
constexpr const char* kNoSurfaceTag = "NO_SURF";

uint16_t IdOf(const JOUEUR* player) {
  if (!player || player->Id() < 0) throw ArchiveError::BadFormat("Match player without identifier");
  return static_cast<uint16_t>(player->Id());
}

}  // namespace

CLASSEMENT AverageRanking(const CLASSEMENT& a, const CLASSEMENT& b) {
  return CLASSEMENT(static_cast<int32_t>((int64_t{a.Value()} + b.Value()) / 2));
}

RENCONTRE::RENCONTRE(const DATE_SIMPLE& date, int32_t outcome, const std::string& score)
    : date_(date) {
  result_.SetOutcome(outcome);
  result_.SetScore(score);
}

RENCONTRE::~RENCONTRE() {
  // A deleted match never stays in a palmares.
  if (palmares_) palmares_->RemoveMatch(this);
}

int RENCONTRE::SeasonYear() const {
  if (palmares_ && palmares_->Season()) return palmares_->Season()->Year();
  return date_.GetSeason().Get();
}

CLASSEMENT RENCONTRE::RankingAtMatch(const JOUEUR& player) const {
  if (ActiveSystem().IsYearly()) return player.History().RankingForYear(SeasonYear());
  return player.History().RankingAt(date_);
}

void RENCONTRE::SetPlayedEvent(EPREUVE_JOUEE* played_event) {
  if (!played_event_ || played_event == played_event_ || !played_event) return;
  played_event->AdoptMatch(played_event_->ReleaseMatch(this));
}

void RENCONTRE::SerializeCommon(Archive& ar) {
  const uint16_t version = ar.Version(1);
  ar.Value(id_);
  ar.Text(comment_);
  ar.Text(weak_points_);
  ar.Text(strong_points_);
  ar.Value(indoor_);
  if (ar.IsStoring()) {
    ar.WriteText(surface_ ? kSurfaceTag : kNoSurfaceTag);
    if (surface_) {
      if (surface_->Id() < 0) throw ArchiveError::BadFormat("Surface without identifier");
      ar.WriteU16(static_cast<uint16_t>(surface_->Id()));
    }
  } else {
    pending_surface_ref =
        ar.ReadTextEquals(kSurfaceTag) ? static_cast<int16_t>(ar.ReadU16()) + 1 : 0;
  }
  if (version >= 1) {
    ar.Text(place_);
  } else {
    place_.clear();
  }
  date_.Serialize(ar);
  result_.Serialize(ar);
}

void RENCONTRE::Serialize(Archive& ar) {
  SerializeCommon(ar);
}

bool RENCONTRE_SIMPLE::InvolvesPlayer(const JOUEUR* player) const {
  return player && opponent_ == player;
}

CLASSEMENT RENCONTRE_SIMPLE::GetOpponentRanking() const {
  return opponent_ ? RankingAtMatch(*opponent_) : CLASSEMENT();
}

CLASSEMENT RENCONTRE_SIMPLE::GetOwnSideRanking(const JOUEUR& owner) const {
  return RankingAtMatch(owner);
}

void RENCONTRE_SIMPLE::Serialize(Archive& ar) {
  ar.Version(0);
  SerializeCommon(ar);
  if (ar.IsStoring()) {
    ar.WriteU16(IdOf(opponent_));
  } else {
    pending_opponent_id = static_cast<int16_t>(ar.ReadU16());
  }
}

bool RENCONTRE_DOUBLE::InvolvesPlayer(const JOUEUR* player) const {
  return player && (partner_ == player || opponent1_ == player || opponent2_ == player);
}

CLASSEMENT RENCONTRE_DOUBLE::GetOpponentRanking() const {
  if (!opponent1_ || !opponent2_) return CLASSEMENT();
  return AverageRanking(RankingAtMatch(*opponent1_), RankingAtMatch(*opponent2_));
}

CLASSEMENT RENCONTRE_DOUBLE::GetOwnSideRanking(const JOUEUR& owner) const {
  if (!partner_) return CLASSEMENT();
  return AverageRanking(RankingAtMatch(owner), RankingAtMatch(*partner_));
}

void RENCONTRE_DOUBLE::Serialize(Archive& ar) {
  ar.Version(0);
  SerializeCommon(ar);
  if (ar.IsStoring()) {
    ar.WriteU16(IdOf(partner_));
    ar.WriteU16(IdOf(opponent1_));
    ar.WriteU16(IdOf(opponent2_));
  } else {
    for (int16_t& id : pending_ids)
      id = static_cast<int16_t>(ar.ReadU16());
  }
}

}  // namespace scorvane

#include "records/player.h"

#include <algorithm>
#include <limits>

#include "base/catalogue/messages.h"
#include "base/record_lists.h"
#include "base/text_compare.h"
#include "records/club.h"
#include "records/match.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(INFOS_COMPLEMENT_JOUEUR, CObject);
SCORVANE_IMPLEMENT_RECORD(JOUEUR, CObject);

namespace {

constexpr const char* kContactTag = "COMPLEMENT:";
constexpr const char* kNoContactTag = "COMPLEMENT: AUCUN";
constexpr const char* kClubTag = "CLUB";
constexpr const char* kNoClubTag = "PC";

}  // namespace

void INFOS_COMPLEMENT_JOUEUR::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Text(address);
  ar.Text(town);
  ar.Text(home_phone);
  ar.Text(work_phone);
  ar.Text(mobile_phone);
  ar.Text(email);
}

JOUEUR::JOUEUR() = default;

JOUEUR::~JOUEUR() = default;

std::string JOUEUR::GetLastName() const {
  return anonymous_ ? Msg(52) : last_name_;
}

std::string JOUEUR::GetFirstName() const {
  return anonymous_ ? " " : first_name_;
}

std::string JOUEUR::DisplayName() const {
  return GetFirstName() + " " + GetLastName();
}

bool JOUEUR::IsSimilar(const std::string& first_name, const std::string& last_name,
                       const std::string& licence) const {
  if (anonymous_) return false;
  if (!licence.empty()) return EqualsIgnoringCase(licence, licence_);
  if (!last_name.empty()) {
    if (!EqualsIgnoringCase(last_name, last_name_)) return false;
    return first_name.empty() || EqualsIgnoringCase(first_name, first_name_);
  }
  return !first_name.empty() && last_name_.empty();
}

SAISON_JOUEUR* JOUEUR::AddSeason(int year) {
  if (SAISON_JOUEUR* existing = FindSeason(ANNEE::Clamp(year))) return existing;
  return seasons_.Add(std::make_unique<SAISON_JOUEUR>(year));
}

SAISON_JOUEUR* JOUEUR::GetActiveSeason() const {
  return seasons_.IsEmpty() ? nullptr : seasons_.Items().Front();
}

bool JOUEUR::MoveSeasonToFront(SAISON_JOUEUR* season) {
  if (!season || season == GetActiveSeason() || !seasons_.Contains(season)) return false;
  seasons_.MoveToFront(season);
  return true;
}

SAISON_JOUEUR* JOUEUR::FindSeason(int year) const {
  for (SAISON_JOUEUR* season : seasons_) {
    if (season->Year() == year) return season;
  }
  return nullptr;
}

SAISON_JOUEUR* JOUEUR::GetLatestSeason() const {
  SAISON_JOUEUR* latest = nullptr;
  for (SAISON_JOUEUR* season : seasons_) {
    if (!latest || season->Year() > latest->Year()) latest = season;
  }
  return latest;
}

SAISON_JOUEUR* JOUEUR::GetEarliestSeason() const {
  SAISON_JOUEUR* earliest = nullptr;
  for (SAISON_JOUEUR* season : seasons_) {
    if (!earliest || season->Year() < earliest->Year()) earliest = season;
  }
  return earliest;
}

void JOUEUR::DeleteSeasonRecord(SAISON_JOUEUR* season) {
  seasons_.Delete(season);
}

void JOUEUR::DeleteAllSeasons() {
  seasons_.DeleteAll();
}

bool JOUEUR::PlaysInSeason(const SAISON_JOUEUR& season) const {
  const PALMARES* palmares = season.Palmares();
  if (!palmares) return false;
  for (const RENCONTRE* match : palmares->Matches()) {
    if (match->InvolvesPlayer(this)) return true;
  }
  return false;
}

void JOUEUR::NoteSeasonRead(int year, std::optional<int32_t> old_club_ref) {
  if (old_club_ref && year > latest_season_read_) pending_club_ref = *old_club_ref;
  latest_season_read_ = std::max(latest_season_read_, year);
}

void JOUEUR::Serialize(Archive& ar) {
  const uint16_t version = ar.Version(3);
  ar.Value(id_);
  ar.Text(last_name_);
  ar.Text(first_name_);
  birth_date_.Serialize(ar);
  ar.Value(sex_);
  ar.Text(licence_);
  ar.Text(comment_);
  ar.Text(strong_points_);
  ar.Text(weak_points_);
  ar.Text(photo_path_);
  ar.Flag16(left_handed_);

  if (ar.IsStoring()) {
    ar.WriteText(contact_ ? kContactTag : kNoContactTag);
    if (contact_) contact_->Serialize(ar);
  } else if (ar.ReadTextEquals(kContactTag)) {
    contact_ = std::make_unique<INFOS_COMPLEMENT_JOUEUR>();
    contact_->Serialize(ar);
  }

  if (version >= 1) {
    ar.Flag16(anonymous_);
  } else {
    anonymous_ = false;
  }

  if (ar.IsStoring()) {
    SerializeRecordList(ar, seasons_);
  } else {
    latest_season_read_ = std::numeric_limits<int>::min();
    pending_club_ref = 0;
    SerializeRecordList(ar, seasons_, [this] {
      auto season = std::make_unique<SAISON_JOUEUR>();
      season->SetPlayer(this);
      return season;
    });
  }

  if (version >= 2) history_.Serialize(ar);

  if (ar.IsStoring()) {
    ar.WriteText(club_ ? kClubTag : kNoClubTag);
    if (club_) {
      if (club_->Id() < 0) throw ArchiveError::BadFormat("Club without identifier");
      ar.WriteU16(static_cast<uint16_t>(club_->Id()));
    }
  } else if (version >= 3) {
    pending_club_ref = ar.ReadTextEquals(kClubTag) ? static_cast<int16_t>(ar.ReadU16()) + 1 : 0;
  }
}

}  // namespace scorvane

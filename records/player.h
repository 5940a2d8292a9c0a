// The players met (partners and opponents) and their contact details. The
// owner of a document is a player too (UTILISATEUR, owner.h).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/dates.h"
#include "base/list.h"
#include "base/record.h"
#include "ranking/ranking_history.h"

namespace scorvane {

class CLUB;
class SAISON_JOUEUR;

// Address, town, phones and e-mail of a player who is a "contact".
class INFOS_COMPLEMENT_JOUEUR : public CObject {
  SCORVANE_DECLARE_RECORD(INFOS_COMPLEMENT_JOUEUR)
 public:
  std::string address;
  std::string town;
  std::string home_phone;
  std::string work_phone;
  std::string mobile_phone;
  std::string email;

  void Serialize(Archive& ar) override;
};

class JOUEUR : public CObject {
  SCORVANE_DECLARE_RECORD(JOUEUR)
 public:
  static constexpr int32_t kMan = 0;
  static constexpr int32_t kWoman = 1;

  // A new player takes the owner's sex when a document is open.
  JOUEUR();
  ~JOUEUR() override;
  JOUEUR(const JOUEUR&) = delete;
  JOUEUR& operator=(const JOUEUR&) = delete;

  int16_t Id() const { return id_; }
  void SetId(int16_t id) { id_ = id; }

  // Display forms: "<Anonymous>" and a single blank for an anonymous player.
  std::string GetLastName() const;
  std::string GetFirstName() const;
  // First name, a space, last name (display forms).
  std::string DisplayName() const;
  const std::string& GetRawLastName() const { return last_name_; }
  const std::string& GetRawFirstName() const { return first_name_; }
  void SetLastName(std::string name) { last_name_ = std::move(name); }
  void SetFirstName(std::string name) { first_name_ = std::move(name); }

  const DATE_SIMPLE& BirthDate() const { return birth_date_; }
  void SetBirthDate(const DATE_SIMPLE& date) { birth_date_ = date; }
  int GetBirthYear() const { return birth_date_.Year(); }
  int32_t Sex() const { return sex_; }
  void SetSex(int32_t sex) { sex_ = sex; }
  bool IsWoman() const { return sex_ == kWoman; }
  const std::string& Licence() const { return licence_; }
  void SetLicence(std::string licence) { licence_ = std::move(licence); }
  const std::string& Comment() const { return comment_; }
  void SetComment(std::string text) { comment_ = std::move(text); }
  const std::string& StrongPoints() const { return strong_points_; }
  void SetStrongPoints(std::string text) { strong_points_ = std::move(text); }
  const std::string& WeakPoints() const { return weak_points_; }
  void SetWeakPoints(std::string text) { weak_points_ = std::move(text); }
  const std::string& PhotoPath() const { return photo_path_; }
  void SetPhotoPath(std::string path) { photo_path_ = std::move(path); }
  bool IsLeftHanded() const { return left_handed_; }
  void SetLeftHanded(bool left) { left_handed_ = left; }
  bool IsAnonymous() const { return anonymous_; }
  void SetAnonymous(bool anonymous) { anonymous_ = anonymous; }

  bool IsContact() const { return contact_ != nullptr; }
  INFOS_COMPLEMENT_JOUEUR* Contact() const { return contact_.get(); }
  void SetContact(std::unique_ptr<INFOS_COMPLEMENT_JOUEUR> contact) {
    contact_ = std::move(contact);
  }

  CLUB* Club() const { return club_; }
  void SetClub(CLUB* club) { club_ = club; }

  HISTORIQUE_CLASSEMENTS& History() { return history_; }
  const HISTORIQUE_CLASSEMENTS& History() const { return history_; }

  // Whether this player may be the person described by the three texts.
  bool IsSimilar(const std::string& first_name, const std::string& last_name,
                 const std::string& licence) const;

  // Seasons (the owner's are the document's seasons).
  const List<SAISON_JOUEUR*>& Seasons() const { return seasons_.Items(); }
  // Creates the season of that year at the front (it becomes active) unless
  // one exists; returns the season of that year.
  SAISON_JOUEUR* AddSeason(int year);
  // The first season, or null.
  SAISON_JOUEUR* GetActiveSeason() const;
  // Moves one of this player's seasons to the front; false when it was
  // there already or is not this player's (UTILISATEUR::SetActiveSeason
  // marks the document modified).
  bool MoveSeasonToFront(SAISON_JOUEUR* season);
  SAISON_JOUEUR* FindSeason(int year) const;
  bool HasSeason(int year) const { return FindSeason(year) != nullptr; }
  SAISON_JOUEUR* GetLatestSeason() const;
  SAISON_JOUEUR* GetEarliestSeason() const;
  // Removes the season from the list and deletes it.
  void DeleteSeasonRecord(SAISON_JOUEUR* season);
  // Deletes every season (used when the whole document goes).
  void DeleteAllSeasons();
  // True when a match retained in the season's palmares involves this player.
  bool PlaysInSeason(const SAISON_JOUEUR& season) const;

  void Serialize(Archive& ar) override;

  // While a document is read: the club as identifier + 1 (0 = none).
  int32_t pending_club_ref = 0;
  // Called for each season read for this player; seasons of the oldest
  // layouts carry a club, which becomes the player's when the season is
  // more recent than every season read before it.
  void NoteSeasonRead(int year, std::optional<int32_t> old_club_ref);

 private:
  int16_t id_ = -1;
  OwningList<SAISON_JOUEUR> seasons_;
  std::string last_name_;
  std::string first_name_;
  DATE_SIMPLE birth_date_;
  int32_t sex_ = kMan;
  std::string licence_;
  std::string comment_;
  std::string strong_points_;
  std::string weak_points_;
  std::string photo_path_;
  bool left_handed_ = false;
  bool anonymous_ = false;
  std::unique_ptr<INFOS_COMPLEMENT_JOUEUR> contact_;
  CLUB* club_ = nullptr;
  HISTORIQUE_CLASSEMENTS history_;
  // While reading: the latest season year met, for the old club rule.
  int latest_season_read_ = 0;
};

}  // namespace scorvane

// Events (a named tournament, championship, team event or the friendly
// matches) and their played instances, which hold dates, money, the owner's
// result and the matches.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/amount.h"
#include "base/dates.h"
#include "base/list.h"
#include "base/record.h"
#include "ranking/ranking_value.h"
#include "records/match.h"

namespace scorvane {

class EPREUVE_JOUEE;

class EPREUVE : public CObject {
  SCORVANE_DECLARE_RECORD(EPREUVE)
 public:
  // Homologation codes.
  static constexpr int32_t kFriendly = 0;
  static constexpr int32_t kHomologated = 1;
  static constexpr int32_t kNonHomologated = 2;
  // Event types.
  static constexpr int32_t kNoType = 0;
  static constexpr int32_t kTournament = 1;
  static constexpr int32_t kChampionship = 2;
  static constexpr int32_t kTeamEvent = 3;
  // Age categories 0 ("Below 10") to 12 ("Over 70").
  static constexpr int32_t kSeniors = 5;
  static constexpr int32_t kAgeCategoryCount = 13;

  EPREUVE() = default;
  explicit EPREUVE(std::string name) : name_(std::move(name)) {}
  ~EPREUVE() override;
  EPREUVE(const EPREUVE&) = delete;
  EPREUVE& operator=(const EPREUVE&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int32_t Homologation() const { return homologation_; }
  void SetHomologation(int32_t code) { homologation_ = code; }
  int32_t Type() const { return type_; }
  void SetType(int32_t code) { type_ = code; }
  int32_t AgeCategory() const { return age_category_; }
  void SetAgeCategory(int32_t code) { age_category_ = code; }
  bool IsCorporate() const { return corporate_; }
  void SetCorporate(bool corporate) { corporate_ = corporate; }
  bool IsFriendlyGroup() const { return friendly_group_; }
  void SetFriendlyGroup(bool friendly) { friendly_group_ = friendly; }

  const List<EPREUVE_JOUEE*>& Played() const { return played_.Items(); }
  // A new participation, first in the list.
  EPREUVE_JOUEE* AddPlayed(const DATE_SIMPLE& start, const DATE_SIMPLE& end);
  // Removes a participation and deletes it with its matches.
  void DeletePlayed(EPREUVE_JOUEE* played);
  // Moves a participation of another event here, first in the list, with
  // its matches and money (a ListFullError, thrown before anything moves,
  // when this event's list is full).
  void TakePlayed(EPREUVE& from, EPREUVE_JOUEE* played);

  // The first participation whose start or end date lies in the season.
  EPREUVE_JOUEE* FindPlayedInSeason(int season) const;
  // The participation with the latest start date (the first met among equals).
  EPREUVE_JOUEE* GetLatestPlayed() const;
  // Turns this event into the owner's friendly-matches group.
  void MakeFriendlyGroup();

  void Serialize(Archive& ar) override;

 private:
  OwningList<EPREUVE_JOUEE> played_;
  std::string name_;
  int32_t homologation_ = kFriendly;
  int32_t type_ = kNoType;
  int32_t age_category_ = kSeniors;
  bool corporate_ = false;
  bool friendly_group_ = false;
};

// The names of the codes, in the language of the user interface.
std::string HomologationName(int32_t code);
std::string EventTypeName(int32_t code);
std::string AgeCategoryName(int32_t code);

class EPREUVE_JOUEE : public CObject {
  SCORVANE_DECLARE_RECORD(EPREUVE_JOUEE)
 public:
  // A participation read from a file; EPREUVE::AddPlayed makes new ones.
  EPREUVE_JOUEE();
  EPREUVE_JOUEE(EPREUVE* event, const DATE_SIMPLE& start, const DATE_SIMPLE& end);
  ~EPREUVE_JOUEE() override;
  EPREUVE_JOUEE(const EPREUVE_JOUEE&) = delete;
  EPREUVE_JOUEE& operator=(const EPREUVE_JOUEE&) = delete;

  int16_t Id() const { return id_; }
  void SetId(int16_t id) { id_ = id; }
  EPREUVE* Event() const { return event_; }

  const List<RENCONTRE*>& Matches() const { return matches_.Items(); }
  // Takes a new match, first in the list, and makes it point here.
  RENCONTRE* AdoptMatch(std::unique_ptr<RENCONTRE> match);
  // Unlinks a match and hands it back (the match no longer points here).
  std::unique_ptr<RENCONTRE> ReleaseMatch(RENCONTRE* match);
  // Puts `replacement` where `match` stands in the list and hands `match`
  // back, unlinked; null (and `replacement` deleted) when `match` is not here.
  std::unique_ptr<RENCONTRE> ReplaceMatch(RENCONTRE* match, std::unique_ptr<RENCONTRE> replacement);

  const DATE_SIMPLE& StartDate() const { return start_; }
  const DATE_SIMPLE& EndDate() const { return end_; }
  void SetStartDate(const DATE_SIMPLE& date) { start_ = date; }
  void SetEndDate(const DATE_SIMPLE& date) { end_ = date; }
  const SOMME& EntryFee() const { return entry_fee_; }
  void SetEntryFee(const SOMME& amount) { entry_fee_ = amount; }
  const SOMME& TravelExpenses() const { return travel_; }
  void SetTravelExpenses(const SOMME& amount) { travel_ = amount; }
  const SOMME& PrizeMoney() const { return prize_money_; }
  void SetPrizeMoney(const SOMME& amount) { prize_money_ = amount; }
  const std::string& ReservedText1() const { return reserved1_; }
  const std::string& ReservedText2() const { return reserved2_; }
  const std::string& Comments() const { return comments_; }
  void SetComments(std::string text) { comments_ = std::move(text); }
  const std::string& Prizes() const { return prizes_; }
  void SetPrizes(std::string text) { prizes_ = std::move(text); }
  bool IsWon() const { return won_; }
  void SetWon(bool won) { won_ = won; }
  // The best ranking among the players who lost in the event.
  const CLASSEMENT& BestRanking() const { return best_ranking_; }
  void SetBestRanking(const CLASSEMENT& ranking) { best_ranking_ = ranking; }
  CLASSEMENT& MutableBestRanking() { return best_ranking_; }

  bool IsInSeason(int season) const;

  void Serialize(Archive& ar) override;

 private:
  friend class EPREUVE;

  int16_t id_ = -1;
  EPREUVE* event_ = nullptr;
  OwningList<RENCONTRE> matches_;
  DATE_SIMPLE start_;
  DATE_SIMPLE end_;
  SOMME entry_fee_;
  SOMME travel_;
  SOMME prize_money_;
  std::string reserved1_;
  std::string reserved2_;
  std::string comments_;
  std::string prizes_;
  bool won_ = false;
  CLASSEMENT best_ranking_;
};

}  // namespace scorvane

// A singles or doubles match played by the owner. The owner's side is
// implicit: a singles match names the opponent, a doubles match the partner
// and the two opponents.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/dates.h"
#include "base/record.h"
#include "ranking/ranking_value.h"
#include "records/match_result.h"

namespace scorvane {

class EPREUVE_JOUEE;
class JOUEUR;
class PALMARES;
class SURFACE;

class RENCONTRE : public CObject {
  SCORVANE_DECLARE_RECORD(RENCONTRE)
 public:
  static constexpr int32_t kIndoor = 1;
  static constexpr int32_t kOutdoor = 0;

  ~RENCONTRE() override;
  RENCONTRE(const RENCONTRE&) = delete;
  RENCONTRE& operator=(const RENCONTRE&) = delete;

  virtual bool IsSingles() const = 0;
  virtual bool InvolvesPlayer(const JOUEUR* player) const = 0;
  // The opponent's ranking at the match; for doubles the average of the two.
  virtual CLASSEMENT GetOpponentRanking() const = 0;
  // The owner's ranking at the match; for doubles the average with the partner.
  virtual CLASSEMENT GetOwnSideRanking(const JOUEUR& owner) const = 0;

  // A player's ranking at the time of this match: under a yearly system the
  // history value at 1 January of the year of the season that retains the
  // match (of the match date's season when none does), else at the match date.
  CLASSEMENT RankingAtMatch(const JOUEUR& player) const;
  // The season year the match counts for (see RankingAtMatch).
  int SeasonYear() const;

  int16_t Id() const { return id_; }
  void SetId(int16_t id) { id_ = id; }
  RESULTAT_RENCONTRE& Result() { return result_; }
  const RESULTAT_RENCONTRE& Result() const { return result_; }
  SURFACE* GetSurface() const { return surface_; }
  void SetSurface(SURFACE* surface) { surface_ = surface; }
  const DATE_SIMPLE& GetDate() const { return date_; }
  void SetDate(const DATE_SIMPLE& date) { date_ = date; }
  const std::string& Place() const { return place_; }
  void SetPlace(std::string place) { place_ = std::move(place); }
  const std::string& Comment() const { return comment_; }
  void SetComment(std::string text) { comment_ = std::move(text); }
  const std::string& StrongPoints() const { return strong_points_; }
  void SetStrongPoints(std::string text) { strong_points_ = std::move(text); }
  const std::string& WeakPoints() const { return weak_points_; }
  void SetWeakPoints(std::string text) { weak_points_ = std::move(text); }
  int32_t IndoorCode() const { return indoor_; }
  void SetIndoorCode(int32_t code) { indoor_ = code; }
  bool IsIndoor() const { return indoor_ == kIndoor; }

  EPREUVE_JOUEE* GetPlayedEvent() const { return played_event_; }
  // Moves the match (which must already belong to a played event) to
  // another played event, at the front of its list.
  void SetPlayedEvent(EPREUVE_JOUEE* played_event);
  PALMARES* GetPalmares() const { return palmares_; }

  void Serialize(Archive& ar) override;

  // While a document is read: the surface as identifier + 1 (0 = none).
  int32_t pending_surface_ref = 0;

 protected:
  RENCONTRE() = default;
  RENCONTRE(const DATE_SIMPLE& date, int32_t outcome, const std::string& score);
  void SerializeCommon(Archive& ar);

 private:
  friend class EPREUVE_JOUEE;
  friend class PALMARES;

  int16_t id_ = -1;
  RESULTAT_RENCONTRE result_;
  DATE_SIMPLE date_;
  std::string place_;
  std::string comment_;
  std::string strong_points_;
  std::string weak_points_;
  int32_t indoor_ = 2;
  // The links to other records last, beside those of the derived classes:
  // resolving a document's references then touches one cache line a match.
  SURFACE* surface_ = nullptr;
  EPREUVE_JOUEE* played_event_ = nullptr;
  PALMARES* palmares_ = nullptr;
};

class RENCONTRE_SIMPLE : public RENCONTRE {
  SCORVANE_DECLARE_RECORD(RENCONTRE_SIMPLE)
 public:
  RENCONTRE_SIMPLE() = default;
  RENCONTRE_SIMPLE(const DATE_SIMPLE& date, int32_t outcome, const std::string& score)
      : RENCONTRE(date, outcome, score) {}

  bool IsSingles() const override { return true; }
  bool InvolvesPlayer(const JOUEUR* player) const override;
  CLASSEMENT GetOpponentRanking() const override;
  CLASSEMENT GetOwnSideRanking(const JOUEUR& owner) const override;

  JOUEUR* Opponent() const { return opponent_; }
  void SetOpponent(JOUEUR* player) { opponent_ = player; }

  void Serialize(Archive& ar) override;

  // While a document is read: the opponent's identifier.
  int16_t pending_opponent_id = -1;

 private:
  JOUEUR* opponent_ = nullptr;
};

class RENCONTRE_DOUBLE : public RENCONTRE {
  SCORVANE_DECLARE_RECORD(RENCONTRE_DOUBLE)
 public:
  RENCONTRE_DOUBLE() = default;
  RENCONTRE_DOUBLE(const DATE_SIMPLE& date, int32_t outcome, const std::string& score)
      : RENCONTRE(date, outcome, score) {}

  bool IsSingles() const override { return false; }
  bool InvolvesPlayer(const JOUEUR* player) const override;
  CLASSEMENT GetOpponentRanking() const override;
  CLASSEMENT GetOwnSideRanking(const JOUEUR& owner) const override;

  JOUEUR* Partner() const { return partner_; }
  JOUEUR* FirstOpponent() const { return opponent1_; }
  JOUEUR* SecondOpponent() const { return opponent2_; }
  void SetPartner(JOUEUR* player) { partner_ = player; }
  void SetFirstOpponent(JOUEUR* player) { opponent1_ = player; }
  void SetSecondOpponent(JOUEUR* player) { opponent2_ = player; }

  void Serialize(Archive& ar) override;

  // While a document is read: partner, first and second opponent identifiers.
  int16_t pending_ids[3] = {-1, -1, -1};

 private:
  JOUEUR* partner_ = nullptr;
  JOUEUR* opponent1_ = nullptr;
  JOUEUR* opponent2_ = nullptr;
};

// The average of two rankings, truncated toward zero.
CLASSEMENT AverageRanking(const CLASSEMENT& a, const CLASSEMENT& b);

}  // namespace scorvane

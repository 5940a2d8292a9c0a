// The result of a match: the score as typed and the sets read from it, the
// outcome, walkovers, retirement and the short-format options.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "base/record.h"

namespace scorvane {

class RESULTAT_RENCONTRE : public CObject {
  SCORVANE_DECLARE_RECORD(RESULTAT_RENCONTRE)
 public:
  static constexpr int kMaxSets = 8;
  static constexpr int32_t kLost = 0;
  static constexpr int32_t kWon = 1;
  static constexpr int32_t kNoWalkover = 0;
  static constexpr int32_t kWalkover = 1;
  static constexpr int32_t kWalkoverExcused = 2;

  // Games of one set: first the side that won more sets, then the other.
  using Set = std::pair<uint8_t, uint8_t>;

  bool IsWon() const { return outcome_ == kWon; }
  int32_t Outcome() const { return outcome_; }
  void SetOutcome(int32_t outcome) { outcome_ = outcome; }

  const std::string& ScoreText() const { return score_; }
  // Stores the text as typed and reads its sets; returns true when the text
  // is badly written (a number without its "/" partner).
  bool SetScore(const std::string& text);
  const Set& SetAt(int index) const {
    ReadSetsIfStale();
    return sets_[static_cast<size_t>(index)];
  }

  // kind 0: every set; 1: sets whose first count is larger; 2: second larger.
  int CountSets(int kind) const;
  // kind 1: first counts; 2: second counts; other: all games.
  int CountGames(int kind) const;
  // Sets won or lost by one game (7-6); kinds as CountSets.
  int CountOneGameSets(int kind) const;

  int32_t Walkover() const { return walkover_; }
  void SetWalkover(int32_t code) { walkover_ = code; }
  bool IsWalkover() const { return walkover_ != kNoWalkover; }
  bool IsRetirement() const { return retirement_; }
  void SetRetirement(bool v) { retirement_ = v; }
  bool IsNoAdvantage() const { return no_advantage_; }
  void SetNoAdvantage(bool v) { no_advantage_ = v; }
  bool IsFourGames() const { return four_games_; }
  void SetFourGames(bool v) { four_games_ = v; }
  bool IsTieBreakThirdSet() const { return tie_break_third_set_; }
  void SetTieBreakThirdSet(bool v) { tie_break_third_set_ = v; }
  bool IsNoLet() const { return no_let_; }
  void SetNoLet(bool v) { no_let_ = v; }

  void Serialize(Archive& ar) override;

 private:
  // Reads the sets from the score; returns true when it is badly written.
  bool ReadSets() const;
  void ReadSetsIfStale() const {
    if (sets_stale_) ReadSets();
  }

  int32_t outcome_ = kLost;
  std::string score_;
  // The sets of a score read from a file are only read from it when first
  // asked: a document holds tens of thousands of scores, and opening it
  // should not wait for those no page counts.
  mutable std::array<Set, kMaxSets> sets_{};
  mutable int16_t set_count_ = 0;
  mutable bool sets_stale_ = false;
  int32_t walkover_ = kNoWalkover;
  bool retirement_ = false;
  bool no_advantage_ = false;
  bool four_games_ = false;
  bool tie_break_third_set_ = false;
  bool no_let_ = false;
};

}  // namespace scorvane

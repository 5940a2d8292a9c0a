#include "records/match_result.h"

#include "records/score_text.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(RESULTAT_RENCONTRE, CObject);

static_assert(ScoreReading::Sets::kMost <= RESULTAT_RENCONTRE::kMaxSets);

bool RESULTAT_RENCONTRE::SetScore(const std::string& text) {
  score_ = text;
  return ReadSets();
}

bool RESULTAT_RENCONTRE::ReadSets() const {
  sets_stale_ = false;
  set_count_ = 0;
  sets_.fill({0, 0});
  const ScoreReading reading = ReadScoreText(score_);
  int first_wins = 0;
  int second_wins = 0;
  for (size_t i = 0; i < reading.sets.size(); ++i) {
    sets_[i] = reading.sets[i];
    if (sets_[i].first > sets_[i].second) ++first_wins;
    if (sets_[i].second > sets_[i].first) ++second_wins;
  }
  if (reading.badly_written) return true;

  const int count = static_cast<int>(reading.sets.size());
  set_count_ = static_cast<int16_t>(count);
  if (count > 0 && second_wins > first_wins) {
    for (int i = 0; i < count; ++i) {
      auto& set = sets_[static_cast<size_t>(i)];
      std::swap(set.first, set.second);
    }
  }
  return false;
}

int RESULTAT_RENCONTRE::CountSets(int kind) const {
  ReadSetsIfStale();
  if (kind == 0) return set_count_;
  int n = 0;
  for (int i = 0; i < set_count_; ++i) {
    const Set& set = sets_[static_cast<size_t>(i)];
    if (kind == 1 && set.first > set.second) ++n;
    if (kind == 2 && set.second > set.first) ++n;
  }
  return n;
}

int RESULTAT_RENCONTRE::CountGames(int kind) const {
  ReadSetsIfStale();
  int n = 0;
  for (int i = 0; i < set_count_; ++i) {
    const Set& set = sets_[static_cast<size_t>(i)];
    if (kind != 2) n += set.first;
    if (kind != 1) n += set.second;
  }
  return n;
}

int RESULTAT_RENCONTRE::CountOneGameSets(int kind) const {
  ReadSetsIfStale();
  int n = 0;
  for (int i = 0; i < set_count_; ++i) {
    const int a = sets_[static_cast<size_t>(i)].first;
    const int b = sets_[static_cast<size_t>(i)].second;
    if (a - b == 1 && kind != 2) ++n;
    if (b - a == 1 && kind != 1) ++n;
  }
  return n;
}

void RESULTAT_RENCONTRE::Serialize(Archive& ar) {
  const uint16_t version = ar.Version(1);
  ar.Value(outcome_);
  ar.Text(score_);
  if (ar.IsStoring()) {
    ar.WriteU16(static_cast<uint16_t>(walkover_));
  } else {
    const uint16_t code = ar.ReadU16();
    if (version >= 1) {
      walkover_ = static_cast<int16_t>(code);
    } else {
      walkover_ = (code & 0xFF) != 0 ? kWalkover : kNoWalkover;
    }
  }
  ar.Flag16(retirement_);
  ar.Flag16(no_advantage_);
  ar.Flag16(four_games_);
  ar.Flag16(tie_break_third_set_);
  ar.Flag16(no_let_);
  if (ar.IsLoading()) sets_stale_ = true;
}

}  // namespace scorvane

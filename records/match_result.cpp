#include "records/match_result.h"

#include <string_view>

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(RESULTAT_RENCONTRE, CObject);

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Removes every bracketed comment; an unclosed "(" runs to the end. One walk
// from left to right: a score text may be as long as its file, and removing
// comments one erase at a time would cost the square of its length.
std::string WithoutComments(const std::string& text) {
  std::string kept;
  kept.reserve(text.size());
  size_t at = 0;
  while (at < text.size()) {
    const size_t open = text.find('(', at);
    kept.append(text, at, open == std::string::npos ? std::string::npos : open - at);
    if (open == std::string::npos) break;
    const size_t close = text.find(')', open);
    if (close == std::string::npos) break;
    at = close + 1;
  }
  return kept;
}

// Reads the run of digits at text[pos] (reduced to 8 bits) and moves pos
// past it.
uint8_t TakeNumber(std::string_view text, size_t& pos) {
  unsigned value = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    value = (value * 10 + static_cast<unsigned>(text[pos] - '0')) % 256;
    ++pos;
  }
  return static_cast<uint8_t>(value);
}

// Moves pos to the next digit; false when there is none.
bool SkipToDigit(std::string_view text, size_t& pos) {
  while (pos < text.size() && !IsDigit(text[pos]))
    ++pos;
  return pos < text.size();
}

}  // namespace

bool RESULTAT_RENCONTRE::SetScore(const std::string& text) {
  score_ = text;
  set_count_ = 0;
  sets_.fill({0, 0});
  int first_wins = 0;
  int second_wins = 0;

  // Every match's score is parsed again when a document is read: walk the
  // text in place, copying it only when it holds comments to drop.
  std::string without_comments;
  std::string_view rest = text;
  if (text.find('(') != std::string::npos) {
    without_comments = WithoutComments(text);
    rest = without_comments;
  }
  size_t pos = 0;
  int count = 0;
  while (count < kMaxSets) {
    if (!SkipToDigit(rest, pos)) break;
    const uint8_t first = TakeNumber(rest, pos);

    const size_t slash = rest.find('/', pos);
    if (slash == std::string_view::npos) return true;
    pos = slash + 1;
    if (!SkipToDigit(rest, pos)) return true;
    const uint8_t second = TakeNumber(rest, pos);

    sets_[static_cast<size_t>(count)] = {first, second};
    if (first > second) ++first_wins;
    if (second > first) ++second_wins;
    ++count;
  }

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
  int n = 0;
  for (int i = 0; i < set_count_; ++i) {
    const Set& set = sets_[static_cast<size_t>(i)];
    if (kind != 2) n += set.first;
    if (kind != 1) n += set.second;
  }
  return n;
}

int RESULTAT_RENCONTRE::CountOneGameSets(int kind) const {
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
  if (ar.IsLoading()) SetScore(score_);
}

}  // namespace scorvane

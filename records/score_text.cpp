#include "records/score_text.h"

#include <algorithm>

namespace scorvane {
namespace {

// The most games a side takes in a set: 7/6, 7/5.
constexpr int kMostGames = 7;
// A match tie-break is played to 10 points, by two clear points.
constexpr int kMatchTieBreakPoints = 10;
// Sets a side wins at most in a match (best of five).
constexpr int kMostSetsWon = 3;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Removes every bracketed comment; an unclosed "(" runs to the end. One walk
// from left to right: a score text may be as long as its file, and removing
// comments one erase at a time would cost the square of its length.
std::string WithoutComments(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  size_t at = 0;
  while (at < text.size()) {
    const size_t open = text.find('(', at);
    kept.append(
        text.substr(at, open == std::string_view::npos ? std::string_view::npos : open - at));
    if (open == std::string_view::npos) break;
    const size_t close = text.find(')', open);
    if (close == std::string_view::npos) break;
    at = close + 1;
  }
  return kept;
}

// Reads the run of digits at text[pos] (reduced to 8 bits) and moves pos
// past it.
std::uint8_t TakeNumber(std::string_view text, size_t& pos) {
  unsigned value = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    value = (value * 10 + static_cast<unsigned>(text[pos] - '0')) % 256;
    ++pos;
  }
  return static_cast<std::uint8_t>(value);
}

// Moves pos to the next digit; false when there is none.
bool SkipToDigit(std::string_view text, size_t& pos) {
  while (pos < text.size() && !IsDigit(text[pos]))
    ++pos;
  return pos < text.size();
}

// Whether a set's games can be those of a set, or of a match tie-break when
// it is the last set.
bool IsGameCount(int winner, int loser, bool last) {
  if (winner <= kMostGames) return true;
  if (!last) return false;
  return winner == kMatchTieBreakPoints ? loser <= kMatchTieBreakPoints - 2
                                        : winner > kMatchTieBreakPoints && winner - loser == 2;
}

}  // namespace

ScoreReading ReadScoreText(std::string_view text) {
  ScoreReading reading;
  // Every match's score is read again when a document is read: walk the
  // text in place, copying it only when it holds comments to drop.
  std::string without_comments;
  std::string_view rest = text;
  if (text.find('(') != std::string_view::npos) {
    without_comments = WithoutComments(text);
    rest = without_comments;
  }
  size_t pos = 0;
  while (!reading.sets.full()) {
    if (!SkipToDigit(rest, pos)) break;
    const std::uint8_t first = TakeNumber(rest, pos);
    // The slash is a few characters on: looked for in place, as a library
    // search costs more than the walk for so short a text.
    while (pos < rest.size() && rest[pos] != '/')
      ++pos;
    const bool slash_found = pos < rest.size();
    ++pos;
    if (!slash_found || !SkipToDigit(rest, pos)) {
      reading.badly_written = true;
      break;
    }
    reading.sets.push_back({first, TakeNumber(rest, pos)});
  }
  return reading;
}

std::string ScoreWithSlashes(std::string_view typed) {
  std::string score(typed);
  int depth = 0;
  for (size_t at = 0; at < score.size(); ++at) {
    const char c = score[at];
    if (c == '(') ++depth;
    if (c == ')' && depth > 0) --depth;
    if (c != '-' || depth > 0) continue;
    const size_t before = score.find_last_not_of(' ', at == 0 ? std::string::npos : at - 1);
    const size_t after = score.find_first_not_of(' ', at + 1);
    if (at > 0 && before != std::string::npos && IsDigit(score[before]) &&
        after != std::string::npos && IsDigit(score[after]))
      score[at] = '/';
  }
  return score;
}

ScoreReading ReadTypedScore(std::string_view typed) {
  return ReadScoreText(ScoreWithSlashes(typed));
}

ScoreDoubt DoubtAboutScore(std::string_view typed, bool won, bool walkover) {
  const ScoreReading reading = ReadTypedScore(typed);
  if (reading.badly_written) return ScoreDoubt::kNone;  // refused before any doubt
  // An empty score was not given; a text without a set is one.
  const bool given = typed.find_first_not_of(' ') != std::string_view::npos;
  if (reading.sets.empty()) return walkover || !given ? ScoreDoubt::kNone : ScoreDoubt::kNoSet;
  int owner_sets = 0;
  int opponent_sets = 0;
  for (size_t i = 0; i < reading.sets.size(); ++i) {
    const auto [owner, opponent] = reading.sets[i];
    if (owner == opponent) return ScoreDoubt::kTiedSet;
    if (std::max(owner_sets, opponent_sets) >= kMostSetsWon) return ScoreDoubt::kTooManySets;
    if (!IsGameCount(std::max(owner, opponent), std::min(owner, opponent),
                     i + 1 == reading.sets.size()))
      return ScoreDoubt::kNotAGameCount;
    ++(owner > opponent ? owner_sets : opponent_sets);
  }
  if (won && opponent_sets > owner_sets) return ScoreDoubt::kWonWithFewerSets;
  if (!won && owner_sets > opponent_sets) return ScoreDoubt::kLostWithMoreSets;
  return ScoreDoubt::kNone;
}

}  // namespace scorvane

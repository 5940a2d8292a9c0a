// Score texts as people write them: "6/4 7/6(5)", "6-4 7-6(5)", comments in
// brackets. Reads the sets in the order typed (the owner's games first),
// turns the usual "-" notation into the "/" the file keeps, and tells
// which scores a match rarely has, so that the match dialog can ask before
// storing one. Importers read scores with these too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace scorvane {

// The sets read from a score text, in the order typed, each number reduced
// to 8 bits; at most eight sets, the rest ignored. Comments in brackets
// are skipped (an unclosed "(" runs to the end); a number is paired with
// the next one after a "/". badly_written when a number has no "/" partner
// (the sets read up to there are kept).
struct ScoreReading {
  // The sets, held in place: every match's score is read again when a
  // document is read, and a heap block per score would cost tens of
  // thousands of them on a large record.
  class Sets {
   public:
    using Set = std::pair<std::uint8_t, std::uint8_t>;
    static constexpr size_t kMost = 8;

    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool full() const { return count_ == kMost; }
    const Set& operator[](size_t index) const { return sets_[index]; }
    // Ignored once kMost sets are held.
    void push_back(const Set& set) {
      if (count_ < kMost) sets_[count_++] = set;
    }

   private:
    std::array<Set, kMost> sets_{};
    size_t count_ = 0;
  };

  bool badly_written = false;
  Sets sets;
};
ScoreReading ReadScoreText(std::string_view text);

// The score with every "-" that stands between two numbers (blanks around
// it allowed) written "/", outside the comments: "6-4 7-6(5)" gives
// "6/4 7/6(5)".
std::string ScoreWithSlashes(std::string_view typed);

// A score as typed, "/" or "-": ReadScoreText of ScoreWithSlashes.
ScoreReading ReadTypedScore(std::string_view typed);

// What makes a well-written score unusual for a match; the match dialog
// asks before it stores one (short formats and odd matches exist).
enum class ScoreDoubt {
  kNone,
  // A won match whose score gives the opponent more sets.
  kWonWithFewerSets,
  // A lost match whose score gives the owner more sets.
  kLostWithMoreSets,
  // A match played (not a walk-over) whose score, given, has no set ("abc").
  kNoSet,
  // A set with as many games on both sides (0/0, 6/6).
  kTiedSet,
  // A number that is no game count (99/0); a deciding match tie-break such
  // as 10/8 is one.
  kNotAGameCount,
  // Sets played after one side had won three.
  kTooManySets,
};
ScoreDoubt DoubtAboutScore(std::string_view typed, bool won, bool walkover);

}  // namespace scorvane

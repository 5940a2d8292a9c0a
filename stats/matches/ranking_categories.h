// The categories of opponent rankings of the "Played Ranks" charts: every
// ranking between two ends, best first, one ranking a category, or steps of
// several numbers when a number system spans a wide range.
//
// The walk is done on positions along the scale (better rankings have
// smaller positions, whichever way the system numbers them), so that every
// valid ranking from the better end to the worse one falls in exactly one
// category, for grade systems and number systems alike.
#pragma once

#include <cstdint>
#include <string>

#include "ranking/ranking_value.h"

namespace scorvane {

struct RankingCategory {
  CLASSEMENT first;  // its best ranking
  CLASSEMENT last;   // its worst ranking
  // The ranking's text for a category of one ranking; "[ first -> last ]"
  // and "first\nlast" for several.
  std::string label;
  std::string axis_label;
};

class RankingCategories {
 public:
  // The wide-range grouping starts above this span.
  static constexpr int kMaxUngroupedSpan = 16;

  // No category at all.
  RankingCategories() = default;
  // From one end to the other (either order) in the active system; none
  // when either end is not a ranking of the system. A number system whose
  // ends are more than 16 apart is walked in steps of 10 x (span / 80 + 1),
  // the first step starting at a multiple of 10 on the better side.
  static RankingCategories Between(const CLASSEMENT& a, const CLASSEMENT& b);

  int Count() const { return count_; }
  int Step() const { return static_cast<int>(step_); }
  bool Grouped() const { return step_ > 1; }
  RankingCategory At(int index) const;
  // The category of a ranking, or -1 when it lies outside all of them or
  // is not a ranking of the system.
  int IndexOf(const CLASSEMENT& ranking) const;

 private:
  std::int64_t PositionOf(std::int32_t value) const;
  std::int32_t ValueAt(std::int64_t position) const;

  bool higher_is_better_ = false;
  std::int64_t start_ = 0;  // position where the first category starts
  std::int64_t step_ = 1;
  int count_ = 0;
  std::int64_t best_ = 0;  // positions of the scale's ends
  std::int64_t worst_ = 0;
};

}  // namespace scorvane

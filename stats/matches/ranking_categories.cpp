#include "stats/matches/ranking_categories.h"

#include <algorithm>

#include "base/text_format.h"
#include "ranking/ranking_registry.h"

namespace scorvane {
namespace {

// Division rounding toward minus infinity.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t quotient = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --quotient;
  return quotient;
}

}  // namespace

RankingCategories RankingCategories::Between(const CLASSEMENT& a, const CLASSEMENT& b) {
  const SYSTEME_CLASSEMENT& system = ActiveSystem();
  RankingCategories walk;
  walk.higher_is_better_ = system.HigherIsBetter();
  if (!system.IsValid(a.Value()) || !system.IsValid(b.Value())) return walk;
  walk.best_ = walk.PositionOf(system.BestValue());
  walk.worst_ = walk.PositionOf(system.WorstValue());
  const std::int64_t better = std::min(walk.PositionOf(a.Value()), walk.PositionOf(b.Value()));
  const std::int64_t worse = std::max(walk.PositionOf(a.Value()), walk.PositionOf(b.Value()));
  const std::int64_t span = worse - better;
  walk.start_ = better;
  if (span > kMaxUngroupedSpan && !system.HasGrades()) {
    walk.step_ = 10 * (span / 80 + 1);
    walk.start_ = FloorDiv(better, 10) * 10;
  }
  walk.count_ = static_cast<int>((worse - walk.start_) / walk.step_ + 1);
  return walk;
}

std::int64_t RankingCategories::PositionOf(std::int32_t value) const {
  return higher_is_better_ ? -std::int64_t{value} : std::int64_t{value};
}

std::int32_t RankingCategories::ValueAt(std::int64_t position) const {
  return static_cast<std::int32_t>(higher_is_better_ ? -position : position);
}

RankingCategory RankingCategories::At(int index) const {
  const std::int64_t from = start_ + index * step_;
  RankingCategory category;
  category.first = CLASSEMENT(ValueAt(std::max(from, best_)));
  category.last = CLASSEMENT(ValueAt(std::min(from + step_ - 1, worst_)));
  const std::string first = category.first.Text();
  const std::string last = category.last.Text();
  if (first == last) {
    category.label = first;
    category.axis_label = first;
  } else {
    category.label = FormatText("[ %s -> %s ]", {first, last});
    category.axis_label = FormatText("%s\n%s", {first, last});
  }
  return category;
}

int RankingCategories::IndexOf(const CLASSEMENT& ranking) const {
  if (count_ == 0 || !ActiveSystem().IsValid(ranking.Value())) return -1;
  const std::int64_t offset = PositionOf(ranking.Value()) - start_;
  if (offset < 0) return -1;
  const std::int64_t index = offset / step_;
  return index < count_ ? static_cast<int>(index) : -1;
}

}  // namespace scorvane

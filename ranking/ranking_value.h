// A ranking value: one signed 32-bit number that only means something in the
// active ranking system (a grade index, or a position / number). -1 stands
// for "no ranking". Every comparison and text form uses the active system.
#pragma once

#include <cstdint>
#include <string>

#include "base/record.h"

namespace scorvane {

class CLASSEMENT : public CObject {
  SCORVANE_DECLARE_RECORD(CLASSEMENT)
 public:
  static constexpr int32_t kNone = -1;

  CLASSEMENT() = default;
  explicit CLASSEMENT(int32_t value) : value_(value) {}

  int32_t Value() const { return value_; }
  void SetValue(int32_t value) { value_ = value; }
  bool IsNone() const { return value_ == kNone; }

  bool IsBetterThan(const CLASSEMENT& other) const;
  bool IsWorseThan(const CLASSEMENT& other) const;
  bool Equals(const CLASSEMENT& other) const { return value_ == other.value_; }

  // One grade or place up / down, unchanged at the best / worst value.
  CLASSEMENT OneStepBetter() const;
  CLASSEMENT OneStepWorse() const;

  // The grade name, or the number in decimal ("-1" for no ranking).
  std::string Text() const;

  // The index of a grade name in the active system; only the French and
  // Belgian systems answer, every other system and an empty name give -1.
  static CLASSEMENT FromGradeName(const std::string& name);
  static CLASSEMENT Worst();
  static CLASSEMENT Best();

  // Reading fails with a bad-format error when the value is not valid in the
  // active system, so a document only holds values of its own system.
  void Serialize(Archive& ar) override;

  friend bool operator==(const CLASSEMENT& a, const CLASSEMENT& b) { return a.value_ == b.value_; }

 private:
  int32_t value_ = kNone;
};

}  // namespace scorvane

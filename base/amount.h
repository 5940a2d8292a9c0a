// An amount of money, always held in francs whatever the currency shown.
#pragma once

#include "base/record.h"

namespace scorvane {

class SOMME : public CObject {
  SCORVANE_DECLARE_RECORD(SOMME)
 public:
  SOMME() = default;
  explicit SOMME(float francs) : amount_(francs) {}

  float Get() const { return amount_; }
  void Set(float francs) { amount_ = francs; }
  bool IsZero() const { return amount_ == 0.0f; }

  void Serialize(Archive& ar) override;

 private:
  float amount_ = 0.0f;
};

}  // namespace scorvane

// The display currency: amounts are stored in francs and shown and entered
// either in francs or in euros, at a rate the user can set.
#pragma once

#include <string>

#include "base/amount.h"

namespace scorvane {

class Currency {
 public:
  static constexpr int kFrancs = 0;
  static constexpr int kEuros = 1;
  // One franc in euros (1 / 6.55957).
  static constexpr float kDefaultEuroFactor = 0.15244902f;

  // 0 francs, 1 euros.
  static int Current();
  static void SetCurrent(int index);
  // Display units per franc for a currency (francs: 1).
  static float Factor(int index);
  static float CurrentFactor() { return Factor(Current()); }
  // The value of one euro in francs; non-positive or non-finite values are
  // refused (false) and change nothing.
  static bool SetEuroValue(double francs_per_euro);
  static double EuroValue();
  // Francs, euro rate back to the defaults.
  static void Reset();

  // Stored francs to the display currency, and back (0 for a zero factor).
  static float ToDisplay(float francs);
  static float FromDisplay(float shown);
  // A sum in francs made independent of the display currency by converting
  // it there and back.
  static SOMME RoundTrip(float francs);

  // "E" in euro mode, else the locale's currency symbol (column titles).
  static std::string Symbol();
  // "Euros" in euro mode, else the locale's currency symbol (beside totals).
  static std::string Name();

  enum class Style { kNumber, kCurrency };
  // The amount in the display currency with two decimals, through the
  // locale's number or currency formatting.
  static std::string Format(const SOMME& amount, Style style);
};

}  // namespace scorvane

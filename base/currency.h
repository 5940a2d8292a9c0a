// The display currency: amounts are stored in francs and shown and entered
// either in francs or in euros, at a rate the user can set.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
  // The value of one euro in francs; a value outside kLowestEuroValue ..
  // kHighestEuroValue (zero, negative, not a number) is refused (false) and
  // changes nothing: every amount shown is multiplied by its inverse.
  static bool SetEuroValue(double francs_per_euro);
  static constexpr double kLowestEuroValue = 0.0001;
  static constexpr double kHighestEuroValue = 1000000.0;
  // A euro value as typed ("6.55957" or "6,55957"), when it is one that
  // SetEuroValue takes.
  static std::optional<double> ReadEuroValue(std::string_view typed);
  static double EuroValue();
  // Francs, euro rate back to the defaults.
  static void Reset();

  // Stored francs to the display currency, and back (0 for a zero factor).
  // Both work in double precision, so that an amount entered to the cent
  // reads back to the cent.
  static float ToDisplay(float francs);
  static float FromDisplay(float shown);
  // An amount in hundredths of the display currency, rounded to the nearest
  // as it is shown; 0 for an amount that is no number. Every total shown is
  // the sum of these, so that it equals the sum of its rows as shown.
  static std::int64_t DisplayCents(const SOMME& amount);
  // The francs to store for an amount entered in hundredths of the display
  // currency (0 for a zero factor).
  static float FrancsOfCents(std::int64_t cents);
  // A sum in francs made independent of the display currency by converting
  // it there and back.
  static SOMME RoundTrip(float francs);

  // "E" in euro mode, else the locale's currency symbol (column titles).
  static std::string Symbol();
  // "Euros" in euro mode, else the locale's currency symbol (beside totals).
  static std::string Name();

  // An amount as a whole number of the display currency, rounded to the
  // nearest (the charts' values); kept within 32 bits, 0 for an amount that
  // is no number.
  static std::int32_t WholeDisplayUnits(const SOMME& amount);

  enum class Style { kNumber, kCurrency };
  // The amount in the display currency with two decimals, through the
  // locale's number or currency formatting.
  static std::string Format(const SOMME& amount, Style style);
  // A number of hundredths of the display currency (a total), formatted the
  // same way.
  static std::string FormatCents(std::int64_t cents, Style style);
};

// A number as the user types an amount or a rate: blanks around it, an
// optional sign, digits with at most one decimal point or comma ("12,5" is
// 12.5). An exponent, "nan", "inf", digit grouping or any other character
// make it no number (nullopt). A number with more whole digits than any
// amount could have reads as an infinity of its sign; "-0" reads as 0.
std::optional<double> ReadDecimalText(std::string_view typed);

}  // namespace scorvane

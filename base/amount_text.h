// Amounts as people type them and read them: "1 500,50", "99,999.99",
// "12.5". The entry dialogs and the importers read amounts with these, so
// that every path into the records takes the same texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scorvane {

// An amount typed by hand, in hundredths: digits with at most two decimals
// after one decimal comma or point, blanks (space, no-break space, narrow
// no-break space) between groups of three digits, and a comma or point
// between groups of three when the other one marks the decimals
// ("99,999.99", "1.500,50"); an optional leading sign. nullopt for
// anything else (letters, a third decimal, "1 50", an exponent). More whole
// digits than any amount has read as the largest amount of that many
// digits, so that a range check still refuses them as too large.
std::optional<std::int64_t> ReadAmountCents(std::string_view typed);

// What keeps a typed amount out of a field that takes 0 up to a largest
// amount.
enum class AmountProblem { kNone, kNotANumber, kNegative, kTooLarge };
struct AmountReading {
  AmountProblem problem = AmountProblem::kNone;
  // The amount in hundredths (0 unless problem is kNone).
  std::int64_t cents = 0;
};
AmountReading ReadAmountInRange(std::string_view typed, std::int64_t largest_cents);

// Whether a text could still become an amount as more is typed (what an
// amount field lets the user type): the characters of an amount, groups of
// three digits between its marks, at most three digits after the last.
bool CouldBecomeAmount(std::string_view typed);

// Hundredths written with a point and two decimals, no grouping: 150050
// gives "1500.50", -5 gives "-0.05".
std::string CentsText(std::int64_t cents);

}  // namespace scorvane

#include "base/currency.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/amount_text.h"
#include "base/locale.h"

namespace scorvane {
namespace {

int g_current = Currency::kFrancs;
float g_euro_factor = Currency::kDefaultEuroFactor;

}  // namespace

int Currency::Current() {
  return g_current;
}

void Currency::SetCurrent(int index) {
  g_current = index == kEuros ? kEuros : kFrancs;
}

float Currency::Factor(int index) {
  return index == kEuros ? g_euro_factor : 1.0f;
}

bool Currency::SetEuroValue(double francs_per_euro) {
  if (!(francs_per_euro >= kLowestEuroValue && francs_per_euro <= kHighestEuroValue)) return false;
  g_euro_factor = static_cast<float>(1.0 / francs_per_euro);
  return true;
}

std::optional<double> Currency::ReadEuroValue(std::string_view typed) {
  const std::optional<double> value = ReadDecimalText(typed);
  if (!value || !(*value >= kLowestEuroValue && *value <= kHighestEuroValue)) return std::nullopt;
  return value;
}

double Currency::EuroValue() {
  return 1.0 / static_cast<double>(g_euro_factor);
}

void Currency::Reset() {
  g_current = kFrancs;
  g_euro_factor = kDefaultEuroFactor;
}

float Currency::ToDisplay(float francs) {
  return static_cast<float>(static_cast<double>(francs) * CurrentFactor());
}

float Currency::FromDisplay(float shown) {
  const double factor = CurrentFactor();
  return factor == 0.0 ? 0.0f : static_cast<float>(static_cast<double>(shown) / factor);
}

std::int64_t Currency::DisplayCents(const SOMME& amount) {
  const double cents = static_cast<double>(amount.Get()) * CurrentFactor() * 100.0;
  if (!std::isfinite(cents)) return 0;
  // Far beyond any float amount of francs; keeps the sums of cents exact.
  constexpr double kLargest = 1e15;
  return std::llround(std::clamp(cents, -kLargest, kLargest));
}

float Currency::FrancsOfCents(std::int64_t cents) {
  const double factor = CurrentFactor();
  return factor == 0.0 ? 0.0f : static_cast<float>(static_cast<double>(cents) / 100.0 / factor);
}

std::int32_t Currency::WholeDisplayUnits(const SOMME& amount) {
  const double shown = std::round(static_cast<double>(ToDisplay(amount.Get())));
  if (!std::isfinite(shown)) return 0;
  constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(shown, -kLargest, kLargest));
}

SOMME Currency::RoundTrip(float francs) {
  return SOMME(FromDisplay(ToDisplay(francs)));
}

std::string Currency::Symbol() {
  return Current() == kEuros ? "E" : CurrentLocale().CurrencySymbol();
}

std::string Currency::Name() {
  return Current() == kEuros ? "Euros" : CurrentLocale().CurrencySymbol();
}

std::string Currency::Format(const SOMME& amount, Style style) {
  return FormatCents(DisplayCents(amount), style);
}

std::string Currency::FormatCents(std::int64_t cents, Style style) {
  const std::string plain = CentsText(cents);
  if (style == Style::kNumber) return CurrentLocale().Number(plain);
  std::string text = CurrentLocale().Currency(plain);
  if (Current() == kEuros) {
    const std::string symbol = CurrentLocale().CurrencySymbol();
    if (const size_t at = text.find(symbol); !symbol.empty() && at != std::string::npos) {
      text.replace(at, symbol.size(), "E");
    }
  }
  return text;
}

std::optional<double> ReadDecimalText(std::string_view typed) {
  // More whole digits than this is far beyond any amount or rate (and
  // beyond what a double reads exactly).
  constexpr size_t kMostWholeDigits = 15;
  const size_t first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const size_t last = typed.find_last_not_of(" \t");
  std::string number(typed.substr(first, last - first + 1));
  bool negative = false;
  if (number[0] == '+' || number[0] == '-') {
    negative = number[0] == '-';
    number.erase(0, 1);
  }
  size_t digits = 0;
  size_t whole_digits = 0;
  bool point_seen = false;
  for (char& c : number) {
    if (c == ',' || c == '.') {
      if (point_seen) return std::nullopt;
      point_seen = true;
      c = '.';
    } else if (c >= '0' && c <= '9') {
      ++digits;
      // Leading zeros do not make a number larger.
      if (!point_seen && (whole_digits > 0 || c != '0')) ++whole_digits;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  if (whole_digits > kMostWholeDigits) {
    const double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
  }
  double value = 0.0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    value = 0.0;  // only a value too close to zero to be told from it gets here
  } else if (error != std::errc() || stop != end) {
    return std::nullopt;
  }
  if (negative) value = -value;
  return value == 0.0 ? 0.0 : value;  // never a negative zero
}

}  // namespace scorvane

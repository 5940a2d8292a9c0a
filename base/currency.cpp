#include "base/currency.h"

#include <cmath>
#include <cstdio>

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
  if (!std::isfinite(francs_per_euro) || francs_per_euro <= 0.0) return false;
  g_euro_factor = static_cast<float>(1.0 / francs_per_euro);
  return true;
}

double Currency::EuroValue() {
  return 1.0 / static_cast<double>(g_euro_factor);
}

void Currency::Reset() {
  g_current = kFrancs;
  g_euro_factor = kDefaultEuroFactor;
}

float Currency::ToDisplay(float francs) {
  return francs * CurrentFactor();
}

float Currency::FromDisplay(float shown) {
  const float factor = CurrentFactor();
  return factor == 0.0f ? 0.0f : shown / factor;
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
  char plain[64];
  std::snprintf(plain, sizeof plain, "%.2f", static_cast<double>(ToDisplay(amount.Get())));
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

}  // namespace scorvane

#include "base/locale.h"

#include <cstdio>

#include "base/dates.h"

namespace scorvane {
namespace {

const LocaleFormat kDefaultLocale;
const LocaleFormat* g_locale = &kDefaultLocale;

}  // namespace

std::string LocaleFormat::ShortDate(int day, int month, int year) const {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", day, month, year);
  return buffer;
}

std::string LocaleFormat::DateInSentence(int day, int month, int year) const {
  return ShortDate(day, month, year);
}

std::string DateInSentence(const DATE_SIMPLE& date) {
  if (!date.IsValidCalendarDate()) return {};
  return CurrentLocale().DateInSentence(date.Day(), date.Month(), date.Year());
}

std::string LocaleFormat::Number(const std::string& plain) const {
  return plain;
}

std::string LocaleFormat::Currency(const std::string& plain) const {
  return plain + " " + CurrencySymbol();
}

std::string LocaleFormat::CurrencySymbol() const {
  return "F";
}

const LocaleFormat& CurrentLocale() {
  return *g_locale;
}

void SetCurrentLocale(const LocaleFormat* locale) {
  g_locale = locale ? locale : &kDefaultLocale;
}

}  // namespace scorvane

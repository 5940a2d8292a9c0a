// The core's date, number and currency formatting backed by the user's
// locale (QLocale), installed by the desktop program at start-up.
#pragma once

#include <QLocale>

#include "base/locale.h"

namespace scorvane {

class QtLocaleFormat : public LocaleFormat {
 public:
  explicit QtLocaleFormat(const QLocale& locale = QLocale()) : locale_(locale) {}

  // The locale's short date form, always with a four-digit year (a two-digit
  // year cannot tell 1905 from 2005).
  std::string ShortDate(int day, int month, int year) const override;
  // "19 Jul 2000" in English, "19 juil. 2000" in French, following the
  // interface language whatever the user's locale.
  std::string DateInSentence(int day, int month, int year) const override;
  std::string Number(const std::string& plain) const override;
  std::string Currency(const std::string& plain) const override;
  // The locale's symbol, or "F" when the locale has none.
  std::string CurrencySymbol() const override;

 private:
  QLocale locale_;
};

}  // namespace scorvane

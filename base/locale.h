// Locale-dependent formatting used by the core: short dates, numbers and
// currency amounts. The core ships a plain default; the desktop program
// installs one backed by the user's locale.
#pragma once

#include <string>

namespace scorvane {

class LocaleFormat {
 public:
  virtual ~LocaleFormat() = default;

  // A valid calendar date (day, month 1..12, year 1900..2100) in the user's
  // short date form. The default writes "DD/MM/YYYY".
  virtual std::string ShortDate(int day, int month, int year) const;
  // A number already written with two decimals ("1234.50"), with the user's
  // digit grouping and decimal separator. The default returns it unchanged.
  virtual std::string Number(const std::string& plain) const;
  // The same as a currency amount, with the user's currency symbol. The
  // default appends " " and CurrencySymbol().
  virtual std::string Currency(const std::string& plain) const;
  // The user's local currency symbol. The default is "F".
  virtual std::string CurrencySymbol() const;
};

// The formatting in force; never null.
const LocaleFormat& CurrentLocale();
// Installs a formatting object (not owned; it must outlive its use), or the
// default when null.
void SetCurrentLocale(const LocaleFormat* locale);

}  // namespace scorvane

// Locale-dependent formatting used by the core: short dates, numbers and
// currency amounts. The core ships a plain default; the desktop program
// installs one backed by the user's locale.
#pragma once

#include <string>

namespace scorvane {

class DATE_SIMPLE;

class LocaleFormat {
 public:
  virtual ~LocaleFormat() = default;

  // A valid calendar date (day, month 1..12, year 1900..2100) in the user's
  // short date form. The default writes "DD/MM/YYYY".
  virtual std::string ShortDate(int day, int month, int year) const;
  // The same date inside a sentence of the interface ("From 19 Jul 2000 to
  // ..."): written in the interface language, month names included, so that
  // one sentence never mixes two languages. The default is ShortDate.
  virtual std::string DateInSentence(int day, int month, int year) const;
  // A number already written with two decimals ("1234.50"), with the user's
  // digit grouping and decimal separator. The default returns it unchanged.
  virtual std::string Number(const std::string& plain) const;
  // The same as a currency amount, with the user's currency symbol. The
  // default appends " " and CurrencySymbol().
  virtual std::string Currency(const std::string& plain) const;
  // The user's local currency symbol. The default is "F".
  virtual std::string CurrencySymbol() const;
};

// A date inside a sentence of the interface, in the formatting in force
// (lists use DATE_SIMPLE::Format); "" when it is not a real date.
std::string DateInSentence(const DATE_SIMPLE& date);

// The formatting in force; never null.
const LocaleFormat& CurrentLocale();
// Installs a formatting object (not owned; it must outlive its use), or the
// default when null.
void SetCurrentLocale(const LocaleFormat* locale);

}  // namespace scorvane

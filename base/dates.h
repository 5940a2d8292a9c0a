// The program's calendar types: a year (ANNEE) and a date without time of
// day (DATE_SIMPLE), with the two sports-year rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/record.h"

namespace scorvane {

// A year; 0 means that no year is given. Building one from a nonzero year
// clamps it into 1900..2100; copying or reading it keeps the value as it is.
class ANNEE : public CObject {
  SCORVANE_DECLARE_RECORD(ANNEE)
 public:
  static constexpr int kMin = 1900;
  static constexpr int kMax = 2100;

  ANNEE() = default;
  explicit ANNEE(int year) : year_(Clamp(year)) {}

  int16_t Get() const { return year_; }
  bool IsSet() const { return year_ != 0; }
  void Serialize(Archive& ar) override;

  // 0 stays 0; any other year is brought into kMin..kMax.
  static int16_t Clamp(int year);

  friend bool operator==(const ANNEE& a, const ANNEE& b) { return a.year_ == b.year_; }

 private:
  int16_t year_ = 0;
};

class DATE_SIMPLE : public CObject {
  SCORVANE_DECLARE_RECORD(DATE_SIMPLE)
 public:
  // 1 January, no year.
  DATE_SIMPLE() = default;
  DATE_SIMPLE(int day, int month, int year)
      : day_(static_cast<uint8_t>(day)), month_(static_cast<uint8_t>(month)), year_(year) {}

  int Day() const { return day_; }
  int Month() const { return month_; }
  int Year() const { return year_.Get(); }
  const ANNEE& GetYear() const { return year_; }

  bool IsEqual(const DATE_SIMPLE& other) const;
  // Strictly later: by year, then month, then day.
  bool IsAfter(const DATE_SIMPLE& other) const;
  bool IsBefore(const DATE_SIMPLE& other) const { return !IsAfter(other) && !IsEqual(other); }
  bool IsAtOrAfter(const DATE_SIMPLE& other) const { return !IsBefore(other); }
  bool IsAtOrBefore(const DATE_SIMPLE& other) const { return !IsAfter(other); }

  // True for a real calendar date with a year.
  bool IsValidCalendarDate() const;
  // The same day and month in another year; 29 February becomes the 28th
  // in a common year.
  DATE_SIMPLE WithYear(int year) const;
  // The date in the user's short form, or "" when it is not a real date.
  std::string Format() const;

  // The season a date is proposed for: October to December count for the
  // following year.
  ANNEE GetSeason() const;
  // True from 1 November of (season - 1) to 31 October of season, both
  // included: October belongs to the current season here, unlike GetSeason.
  bool IsInSeason(int season) const;

  void Serialize(Archive& ar) override;

  friend bool operator==(const DATE_SIMPLE& a, const DATE_SIMPLE& b) { return a.IsEqual(b); }

 private:
  // year, month, day packed so that later dates compare greater.
  int64_t SortKey() const;

  uint8_t day_ = 1;
  uint8_t month_ = 1;
  ANNEE year_;
};

// Today's date from the system clock, or the date a test has fixed.
DATE_SIMPLE Today();
// Fixes the date Today() returns (tests); nullopt goes back to the clock.
void SetTodayForTesting(std::optional<DATE_SIMPLE> date);

}  // namespace scorvane

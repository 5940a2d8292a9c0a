#include "base/dates.h"

#include <ctime>

#include "base/locale.h"

namespace scorvane {

SCORVANE_IMPLEMENT_RECORD(ANNEE, CObject);
SCORVANE_IMPLEMENT_RECORD(DATE_SIMPLE, CObject);

namespace {

std::optional<DATE_SIMPLE> g_fixed_today;

int64_t PackDate(int64_t year, int64_t month, int64_t day) {
  return year * 10000 + month * 100 + day;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

}  // namespace

int16_t ANNEE::Clamp(int year) {
  if (year == 0) return 0;
  if (year < kMin) return kMin;
  if (year > kMax) return kMax;
  return static_cast<int16_t>(year);
}

void ANNEE::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(year_);
}

int64_t DATE_SIMPLE::SortKey() const {
  return PackDate(year_.Get(), month_, day_);
}

bool DATE_SIMPLE::IsEqual(const DATE_SIMPLE& other) const {
  return day_ == other.day_ && month_ == other.month_ && year_ == other.year_;
}

bool DATE_SIMPLE::IsAfter(const DATE_SIMPLE& other) const {
  return SortKey() > other.SortKey();
}

bool DATE_SIMPLE::IsValidCalendarDate() const {
  const int year = year_.Get();
  if (year < 1 || month_ < 1 || month_ > 12) return false;
  return day_ >= 1 && day_ <= DaysInMonth(month_, year);
}

DATE_SIMPLE DATE_SIMPLE::WithYear(int year) const {
  DATE_SIMPLE moved(day_, month_, year);
  if (month_ == 2 && day_ == 29 && !IsLeapYear(moved.Year())) moved.day_ = 28;
  return moved;
}

std::string DATE_SIMPLE::Format() const {
  if (!IsValidCalendarDate()) return {};
  return CurrentLocale().ShortDate(day_, month_, year_.Get());
}

ANNEE DATE_SIMPLE::GetSeason() const {
  if (month_ < 10) return ANNEE(year_.Get());
  return ANNEE(ANNEE::Clamp(year_.Get()) + 1);
}

bool DATE_SIMPLE::IsInSeason(int season) const {
  const int64_t key = SortKey();
  return key >= PackDate(season - 1, 11, 1) && key <= PackDate(season, 10, 31);
}

void DATE_SIMPLE::Serialize(Archive& ar) {
  ar.Version(0);
  ar.Value(day_);
  ar.Value(month_);
  year_.Serialize(ar);
}

DATE_SIMPLE Today() {
  if (g_fixed_today) return *g_fixed_today;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return DATE_SIMPLE(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

void SetTodayForTesting(std::optional<DATE_SIMPLE> date) {
  g_fixed_today = date;
}

}  // namespace scorvane

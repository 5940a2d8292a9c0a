// Guards the dates: years clamped to 1900-2100, comparisons, the season a
// date belongs to (October is the turn), formatting and years read as stored.
#include "base/dates.h"

#include <gtest/gtest.h>

#include "base/locale.h"

namespace scorvane {
namespace {

TEST(AnneeTest, ClampsNonzeroYearsOnly) {
  EXPECT_EQ(ANNEE(1850).Get(), 1900);
  EXPECT_EQ(ANNEE(2150).Get(), 2100);
  EXPECT_EQ(ANNEE(0).Get(), 0);
  EXPECT_EQ(ANNEE(1999).Get(), 1999);
  EXPECT_EQ(ANNEE(-5).Get(), 1900);
}

TEST(DateTest, ComparesByYearThenMonthThenDay) {
  const DATE_SIMPLE a(31, 12, 1999), b(1, 1, 2000), c(1, 1, 2000);
  EXPECT_TRUE(b.IsAfter(a));
  EXPECT_TRUE(a.IsBefore(b));
  EXPECT_TRUE(b.IsEqual(c));
  EXPECT_FALSE(b.IsBefore(c));
  EXPECT_TRUE(b.IsAtOrAfter(c));
  EXPECT_TRUE(b.IsAtOrBefore(c));
  EXPECT_TRUE(DATE_SIMPLE(2, 3, 2000).IsAfter(DATE_SIMPLE(28, 2, 2000)));
}

TEST(DateTest, SeasonRulesDifferOnOctober) {
  const DATE_SIMPLE october(15, 10, 2000);
  EXPECT_EQ(october.GetSeason().Get(), 2001);
  EXPECT_TRUE(october.IsInSeason(2000));
  EXPECT_FALSE(october.IsInSeason(2001));

  const DATE_SIMPLE november(1, 11, 2000);
  EXPECT_EQ(november.GetSeason().Get(), 2001);
  EXPECT_TRUE(november.IsInSeason(2001));
  EXPECT_FALSE(november.IsInSeason(2000));

  EXPECT_TRUE(DATE_SIMPLE(31, 10, 2001).IsInSeason(2001));
  EXPECT_EQ(DATE_SIMPLE(30, 9, 2000).GetSeason().Get(), 2000);
  // Without a year or at the bounds.
  EXPECT_EQ(DATE_SIMPLE(5, 3, 0).GetSeason().Get(), 0);
  EXPECT_EQ(DATE_SIMPLE(5, 11, 0).GetSeason().Get(), 1900);
  EXPECT_EQ(DATE_SIMPLE(5, 11, 2100).GetSeason().Get(), 2100);
  EXPECT_TRUE(DATE_SIMPLE(5, 11, 1899).IsInSeason(1900) == false);
}

TEST(DateTest, FormatsRealDatesOnlyThroughTheInstalledLocale) {
  EXPECT_EQ(DATE_SIMPLE(14, 7, 1999).Format(), "14/07/1999");
  EXPECT_EQ(DATE_SIMPLE(29, 2, 2001).Format(), "");
  EXPECT_EQ(DATE_SIMPLE(29, 2, 2000).Format(), "29/02/2000");
  EXPECT_EQ(DATE_SIMPLE(31, 4, 2000).Format(), "");
  EXPECT_EQ(DATE_SIMPLE().Format(), "");  // 1 January of no year
  // The installed locale writes the date.
  struct IsoLocale : LocaleFormat {
    std::string ShortDate(int day, int month, int year) const override {
      return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day);
    }
  } iso;
  SetCurrentLocale(&iso);
  EXPECT_EQ(DATE_SIMPLE(14, 7, 1999).Format(), "1999-7-14");
  SetCurrentLocale(nullptr);
}

TEST(DateTest, ReadingKeepsAYearOutsideTheClampRange) {
  const std::vector<uint8_t> bytes = {0, 0, 1, 1, 0, 0, 0x3A, 0x07};  // year 1850
  Archive in(bytes);
  DATE_SIMPLE read;
  read.Serialize(in);
  EXPECT_EQ(read.Year(), 1850);
}

}  // namespace
}  // namespace scorvane

// Amounts as typed and as shown: what reads as an amount, and amounts typed
// to the cent in either currency reading back to the cent.
#include <gtest/gtest.h>

#include "base/amount_text.h"
#include "base/currency.h"
#include "base/text_compare.h"

namespace scorvane {
namespace {

TEST(ReadAmountCents, ReadsWhatPeopleTypeAndNothingElse) {
  const struct {
    const char* typed;
    std::optional<std::int64_t> cents;
  } cases[] = {
      {"1 500", 150000},
      {"1 500,50", 150050},
      {"1\xC2\xA0"
       "500",
       150000},
      {"1\xE2\x80\xAF"
       "500",
       150000},
      {"99,999.99", 9999999},
      {"1.500,50", 150050},
      {"1,500,000", 150000000},
      {"12,5", 1250},
      {".5", 50},
      {"7.", 700},
      {" 0.01 ", 1},
      {"-12.34", -1234},
      {"+3", 300},
      {"1 50", std::nullopt},
      {"12,345", std::nullopt},
      {"ab/9", std::nullopt},
      {"03/2001", std::nullopt},
      {"1e3", std::nullopt},
      {"", std::nullopt},
      {".", std::nullopt},
      {"1 500.", 150000},
      {"1,5.00", std::nullopt},
      {"12 F", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadAmountCents(c.typed), c.cents) << c.typed;
  EXPECT_TRUE(CouldBecomeAmount("1 "));
  EXPECT_TRUE(CouldBecomeAmount("12,"));
  EXPECT_TRUE(CouldBecomeAmount("99,999"));
  EXPECT_FALSE(CouldBecomeAmount("99,9999"));
  EXPECT_FALSE(CouldBecomeAmount("1 50 0"));
  EXPECT_FALSE(CouldBecomeAmount("a"));
  EXPECT_EQ(CentsText(150050), "1500.50");
  EXPECT_EQ(CentsText(-5), "-0.05");
}

TEST(DisplayCents, AmountsTypedToTheCentReadBackInEitherCurrency) {
  for (const int currency : {Currency::kFrancs, Currency::kEuros}) {
    Currency::SetCurrent(currency);
    for (const std::int64_t cents : {1LL, 1234LL, 9999999LL}) {
      const SOMME stored(Currency::FrancsOfCents(cents));
      EXPECT_EQ(Currency::DisplayCents(stored), cents) << currency;
      EXPECT_EQ(Currency::FormatCents(cents, Currency::Style::kNumber),
                Currency::Format(stored, Currency::Style::kNumber));
    }
  }
  Currency::SetCurrent(Currency::kEuros);
  EXPECT_EQ(Currency::Format(SOMME(Currency::FrancsOfCents(9999999)), Currency::Style::kNumber),
            "99999.99");
  Currency::Reset();
}

TEST(SearchKey, IgnoresCaseAndAccents) {
  EXPECT_TRUE(SearchKey("Sébastien").starts_with(SearchKey("sebas")));
  EXPECT_TRUE(SearchKey("Sébastien").starts_with(SearchKey("SEBAS")));
  EXPECT_TRUE(SearchKey("Sébastien").starts_with(SearchKey("Séb")));
  EXPECT_FALSE(SearchKey("Sophie").starts_with(SearchKey("sebas")));
  EXPECT_EQ(SearchKey("Œdipe Ærø Straße"), "OEDIPE AERO STRASSE");
}

}  // namespace
}  // namespace scorvane

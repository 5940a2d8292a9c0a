// Guards the display currency: amounts entered and shown in francs or euros, the
// euro value the program accepts, typed numbers, and whole chart values.
#include "base/currency.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;

class CurrencyTest : public CoreTest {};

TEST_F(CurrencyTest, EurosEnteredAreStoredInFrancs) {
  Currency::SetCurrent(Currency::kEuros);
  const float stored = Currency::FromDisplay(100.0f);
  EXPECT_NEAR(stored, 655.957f, 0.001f);  // 1 euro = 6.55957 francs
  EXPECT_EQ(Currency::Format(SOMME(stored), Currency::Style::kNumber), "100.00");
  EXPECT_EQ(Currency::Format(SOMME(655.957f), Currency::Style::kNumber), "100.00");
  EXPECT_EQ(Currency::Format(SOMME(655.957f), Currency::Style::kCurrency), "100.00 E");
  EXPECT_EQ(Currency::Symbol(), "E");
  EXPECT_EQ(Currency::Name(), "Euros");
  Currency::SetCurrent(Currency::kFrancs);
  EXPECT_EQ(Currency::Format(SOMME(655.957f), Currency::Style::kCurrency), "655.96 F");
}

TEST_F(CurrencyTest, TheEuroValueMustBePositive) {
  EXPECT_NEAR(Currency::EuroValue(), 6.55957, 1e-5);
  EXPECT_FALSE(Currency::SetEuroValue(0));
  EXPECT_FALSE(Currency::SetEuroValue(-3));
  // Factors that a float turns into 0 or infinity would zero or blow up every amount.
  EXPECT_FALSE(Currency::SetEuroValue(1e308));
  EXPECT_FALSE(Currency::SetEuroValue(1e-300));
  EXPECT_NEAR(Currency::EuroValue(), 6.55957, 1e-5);
  EXPECT_TRUE(Currency::SetEuroValue(10));
  EXPECT_FLOAT_EQ(Currency::Factor(Currency::kEuros), 0.1f);
}

TEST_F(CurrencyTest, ATypedEuroValueIsAPlainPositiveNumber) {
  const struct {
    const char* typed;
    std::optional<double> value;
  } cases[] = {
      {"6.55957", 6.55957},    {" 6,55957 ", 6.55957}, {"1000000", 1000000.0},
      {"0", std::nullopt},     {"-6.5", std::nullopt}, {"0.00001", std::nullopt},
      {"1e3", std::nullopt},   {"nan", std::nullopt},  {"", std::nullopt},
      {"6.5.5", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Currency::ReadEuroValue(c.typed), c.value) << c.typed;
}

TEST_F(CurrencyTest, ChartValuesAreTheNearestWholeUnitShown) {
  const struct {
    int currency;
    float francs;
    std::int32_t whole;
  } cases[] = {
      {Currency::kEuros, 655.957f, 100},
      {Currency::kFrancs, 2.5f, 3},
      {Currency::kFrancs, 2.49f, 2},
      {Currency::kFrancs, 3e38f, std::numeric_limits<std::int32_t>::max()},
      {Currency::kFrancs, std::numeric_limits<float>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    Currency::SetCurrent(c.currency);
    EXPECT_EQ(Currency::WholeDisplayUnits(SOMME(c.francs)), c.whole) << c.francs;
  }
}

}  // namespace
}  // namespace scorvane

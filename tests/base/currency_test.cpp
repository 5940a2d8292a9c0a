// Guards the currency: amounts entered in euros are stored in francs at the
// official rate and shown back in euros; the euro value must be positive.
#include "base/currency.h"

#include <gtest/gtest.h>

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
  EXPECT_TRUE(Currency::SetEuroValue(10));
  EXPECT_FLOAT_EQ(Currency::Factor(Currency::kEuros), 0.1f);
}

}  // namespace
}  // namespace scorvane

// Guards a season's gains and expenses: its operations plus the money of the
// events it retains, in francs.
#include <gtest/gtest.h>

#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::CoreTest;
using testing::DocumentBuilder;

class SeasonTotalsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    season_ = DocumentBuilder(Owner()).Season(2001);
    category_ = Owner().AddCategory(std::make_unique<CATEGORIE_FINANCIERE>("Balls"));
  }
  void Operation(bool gain, float francs) {
    auto operation = std::make_unique<OPERATION_FINANCIERE>();
    operation->SetAmount(SOMME(francs));
    operation->SetCategory(category_);
    if (gain) {
      season_->Finances().AddGain(std::move(operation));
    } else {
      season_->Finances().AddExpense(std::move(operation));
    }
  }

  SAISON_JOUEUR* season_ = nullptr;
  CATEGORIE_FINANCIERE* category_ = nullptr;
};

TEST_F(SeasonTotalsTest, EventMoneyAddsToTheOperationsInFrancs) {
  EPREUVE_JOUEE* played = DocumentBuilder(Owner()).Tournament("Open", DATE_SIMPLE(3, 5, 2001));
  EXPECT_FLOAT_EQ(season_->GetExpenses().Get() + season_->GetGains().Get(), 0.0f);
  played->SetEntryFee(SOMME(80.0f));
  played->SetTravelExpenses(SOMME(20.0f));
  played->SetPrizes("A cup");  // prizes in kind never count
  EXPECT_FLOAT_EQ(season_->GetExpenses().Get(), 100.0f);
  EXPECT_FLOAT_EQ(season_->GetGains().Get(), 0.0f);
  played->SetPrizeMoney(SOMME(300.0f));
  Operation(false, 12.5f);
  Operation(true, 50.0f);
  EXPECT_FLOAT_EQ(season_->GetExpenses().Get(), 112.5f);
  EXPECT_FLOAT_EQ(season_->GetGains().Get(), 350.0f);

  // A played event that is not retained by the season brings nothing.
  EPREUVE* other = Owner().AddEvent(std::make_unique<EPREUVE>("Elsewhere"));
  other->AddPlayed(DATE_SIMPLE(1, 6, 2001), DATE_SIMPLE(1, 6, 2001))->SetEntryFee(SOMME(999.0f));
  EXPECT_FLOAT_EQ(season_->GetExpenses().Get(), 112.5f);
}

}  // namespace
}  // namespace scorvane

// Guards deleting from the finance lists: the question asked for each kind
// of row, that only Yes deletes, that an event row clears just the amount or
// text it shows while the event stays, and that operations really go.
#include "finances/finance_commands.h"

#include <gtest/gtest.h>

#include "records/palmares.h"
#include "tests/support/finance_document.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::ScriptedPrompt;

class FinanceCommandsTest : public testing::CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    d_ = testing::BuildFinanceDocument(Owner());
  }
  testing::FinanceDocument d_;
  ScriptedPrompt prompt_;
};

TEST_F(FinanceCommandsTest, EachEventRowAsksItsQuestionAndClearsOnlyWhatItShows) {
  const struct {
    FinanceListKind list;
    bool travel;
    const char* question;
  } cases[] = {
      {FinanceListKind::kExpenses, false, "Destroy event expense permanently ?"},
      {FinanceListKind::kExpenses, true, "Destroy event expense permanently ?"},
      {FinanceListKind::kGains, false, "Destroy the selected operation permanently ?"},
      {FinanceListKind::kPrizes, false, "Destroy the selected prize permanently ?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.question);
    Doc().DeleteContents();
    d_ = testing::BuildFinanceDocument(Owner());
    Doc().SetModifiedFlag(false);
    const ELEM_LISTE_FINANCES row{c.list, nullptr, d_.lyon, c.travel};
    prompt_.asked.clear();
    prompt_.Script({ScriptedPrompt::Answer::kNo, ScriptedPrompt::Answer::kYes});
    EXPECT_FALSE(DeleteFinanceRow(Owner(), *d_.season, row));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(DeleteFinanceRow(Owner(), *d_.season, row));
    EXPECT_EQ(prompt_.asked, (std::vector<std::string>(2, c.question)));
    EXPECT_EQ(prompt_.styles.back(), UserPrompt::Style::kMessageBox);
    // The event stays in the season with its other money.
    EXPECT_TRUE(d_.season->Palmares()->PlayedEvents().Contains(d_.lyon));
    const bool expense = c.list == FinanceListKind::kExpenses;
    EXPECT_EQ(d_.lyon->EntryFee().Get(), expense && !c.travel ? 0.0f : 80.0f);
    EXPECT_EQ(d_.lyon->TravelExpenses().Get(), expense && c.travel ? 0.0f : 20.0f);
    EXPECT_EQ(d_.lyon->PrizeMoney().Get(), c.list == FinanceListKind::kGains ? 0.0f : 300.0f);
    EXPECT_EQ(d_.lyon->Prizes(), c.list == FinanceListKind::kPrizes ? "" : "Une coupe");
    EXPECT_TRUE(Doc().IsModified());
  }
}

TEST_F(FinanceCommandsTest, OperationsAreRemovedFromTheirList) {
  EXPECT_TRUE(
      DeleteFinanceRow(Owner(), *d_.season, {FinanceListKind::kExpenses, d_.balls_expense}));
  EXPECT_TRUE(DeleteFinanceRow(Owner(), *d_.season, {FinanceListKind::kGains, d_.sponsor_gain}));
  EXPECT_EQ(prompt_.asked,
            (std::vector<std::string>(2, "Destroy the selected operation permanently ?")));
  EXPECT_EQ(d_.season->Finances().Expenses().Count(), 1);
  EXPECT_EQ(d_.season->Finances().Gains().Count(), 0);
  EXPECT_FLOAT_EQ(d_.season->GetExpenses().Get(), 205.0f);
  EXPECT_FLOAT_EQ(d_.season->GetGains().Get(), 300.0f);
  // A row whose record is not in that list deletes nothing and asks nothing.
  EXPECT_FALSE(
      DeleteFinanceRow(Owner(), *d_.season, {FinanceListKind::kGains, d_.strings_expense}));
  EXPECT_EQ(d_.season->Finances().Expenses().Count(), 1);
  EXPECT_EQ(prompt_.asked.size(), 2u);
}

}  // namespace
}  // namespace scorvane

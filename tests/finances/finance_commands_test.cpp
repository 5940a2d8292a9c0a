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

using testing::BuildFinanceDocument;
using testing::CoreTest;
using testing::FinanceDocument;
using testing::ScriptedPrompt;

class FinanceCommandsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    d_ = BuildFinanceDocument(Owner());
    SetUserPrompt(&prompt_);
    Doc().SetModifiedFlag(false);
  }
  void TearDown() override {
    SetUserPrompt(nullptr);
    CoreTest::TearDown();
  }
  // The row of a list standing for a record.
  ELEM_LISTE_FINANCES RowOf(FinanceListKind list, const void* record, bool travel = false) {
    const SeasonFinances money = BuildSeasonFinances(*d_.season);
    const auto& rows = list == FinanceListKind::kGains    ? money.gains
                       : list == FinanceListKind::kPrizes ? money.prizes
                                                          : money.expenses;
    for (const FinanceRow& row : rows) {
      const void* shown = row.element.operation ? static_cast<const void*>(row.element.operation)
                                                : row.element.played;
      if (shown == record && row.element.travel == travel) return row.element;
    }
    ADD_FAILURE() << "no row";
    return {};
  }

  FinanceDocument d_;
  ScriptedPrompt prompt_;
};

TEST_F(FinanceCommandsTest, EachRowAsksItsQuestionAndDeletesOnlyWhatItShows) {
  struct Case {
    const char* name;
    FinanceListKind list;
    bool travel;
    const char* question;
  };
  const Case cases[] = {
      {"entry fee", FinanceListKind::kExpenses, false, "Destroy event expense permanently ?"},
      {"travel", FinanceListKind::kExpenses, true, "Destroy event expense permanently ?"},
      {"prize money", FinanceListKind::kGains, false,
       "Destroy the selected operation permanently ?"},
      {"prizes", FinanceListKind::kPrizes, false, "Destroy the selected prize permanently ?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    d_ = {};
    Doc().DeleteContents();
    d_ = BuildFinanceDocument(Owner());
    const ELEM_LISTE_FINANCES row = RowOf(c.list, d_.lyon, c.travel);
    prompt_.asked.clear();
    prompt_.Script({ScriptedPrompt::Answer::kNo});
    EXPECT_FALSE(DeleteFinanceRow(*d_.season, row));
    EXPECT_FLOAT_EQ(d_.season->GetExpenses().Get(), 325.0f);
    EXPECT_FLOAT_EQ(d_.season->GetGains().Get(), 800.0f);
    prompt_.Script({ScriptedPrompt::Answer::kYes});
    EXPECT_TRUE(DeleteFinanceRow(*d_.season, row));
    EXPECT_EQ(prompt_.asked, (std::vector<std::string>{c.question, c.question}));
    EXPECT_EQ(prompt_.styles.back(), UserPrompt::Style::kMessageBox);
    // The event stays in the season with its other money.
    EXPECT_TRUE(d_.season->Palmares()->PlayedEvents().Contains(d_.lyon));
    const bool fee = c.list == FinanceListKind::kExpenses && !c.travel;
    const bool travel = c.list == FinanceListKind::kExpenses && c.travel;
    EXPECT_FLOAT_EQ(d_.lyon->EntryFee().Get(), fee ? 0.0f : 80.0f);
    EXPECT_FLOAT_EQ(d_.lyon->TravelExpenses().Get(), travel ? 0.0f : 20.0f);
    EXPECT_FLOAT_EQ(d_.lyon->PrizeMoney().Get(), c.list == FinanceListKind::kGains ? 0.0f : 300.0f);
    EXPECT_EQ(d_.lyon->Prizes(), c.list == FinanceListKind::kPrizes ? "" : "Une coupe");
    EXPECT_TRUE(Doc().IsModified());
    Doc().SetModifiedFlag(false);
  }
}

TEST_F(FinanceCommandsTest, OperationsAreRemovedFromTheirList) {
  prompt_.SetFallback(ScriptedPrompt::Answer::kYes);
  EXPECT_TRUE(DeleteFinanceRow(*d_.season, RowOf(FinanceListKind::kExpenses, d_.balls_expense)));
  EXPECT_TRUE(DeleteFinanceRow(*d_.season, RowOf(FinanceListKind::kGains, d_.sponsor_gain)));
  EXPECT_EQ(prompt_.asked,
            (std::vector<std::string>{"Destroy the selected operation permanently ?",
                                      "Destroy the selected operation permanently ?"}));
  EXPECT_EQ(d_.season->Finances().Expenses().Count(), 1);
  EXPECT_EQ(d_.season->Finances().Gains().Count(), 0);
  EXPECT_FLOAT_EQ(d_.season->GetExpenses().Get(), 205.0f);
  EXPECT_FLOAT_EQ(d_.season->GetGains().Get(), 300.0f);
  // A row whose operation is already gone deletes nothing more.
  ELEM_LISTE_FINANCES stale;
  stale.list = FinanceListKind::kGains;
  stale.operation = d_.strings_expense;
  EXPECT_FALSE(DeleteFinanceRow(*d_.season, stale));
  EXPECT_EQ(d_.season->Finances().Expenses().Count(), 1);
}

}  // namespace
}  // namespace scorvane

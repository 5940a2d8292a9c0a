// Guards entering an operation: what a typed amount may be (pasted
// garbage is refused, never stored), how the category box finds and makes
// categories, the new expense's date, the refusal without a category, and
// that amounts go into francs while an untouched amount keeps its value.
#include "finances/operation_entry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/currency.h"
#include "tests/support/finance_document.h"
#include "tests/support/test_environment.h"

namespace scorvane {
namespace {

using testing::BuildFinanceDocument;
using testing::CoreTest;
using testing::FinanceDocument;

class OperationEntryTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    d_ = BuildFinanceDocument(Owner());
  }
  FinanceDocument d_;
};

TEST(ReadAmount, OnlyAmountsInRangeAreTaken) {
  const struct {
    std::string typed;
    AmountProblem problem;
    std::int64_t cents;
    const char* rewritten;
  } cases[] = {
      {"12,5", AmountProblem::kNone, 1250, "12.50"},
      {"-0", AmountProblem::kNone, 0, "0.00"},
      {"+.5", AmountProblem::kNone, 50, "0.50"},
      {"99999.99", AmountProblem::kNone, 9999999, "99999.99"},
      {"100000", AmountProblem::kTooLarge, 0, "100000"},
      {"-3", AmountProblem::kNegative, 0, "-3"},
      {"1e308", AmountProblem::kNotANumber, 0, "1e308"},
      {"nan", AmountProblem::kNotANumber, 0, "nan"},
      {"", AmountProblem::kNotANumber, 0, ""},  // unlike an event's, never empty
      {std::string(500, '9'), AmountProblem::kTooLarge, 0, nullptr},
      {std::string(250, 'a') + std::string(250, '1'), AmountProblem::kNotANumber, 0, nullptr},
      {"0." + std::string(500, '0') + "1", AmountProblem::kNotANumber, 0, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.substr(0, 20));
    const AmountReading reading = ReadAmount(c.typed);
    EXPECT_EQ(reading.problem, c.problem);
    EXPECT_EQ(reading.cents, c.cents);
    EXPECT_EQ(RewriteAmount(c.typed), c.rewritten ? c.rewritten : c.typed);
  }
}

TEST_F(OperationEntryTest, TheCategoryBoxFindsCategoriesWhateverTheCase) {
  const auto name = [](const CATEGORIE_FINANCIERE* c) { return c ? c->Name() : std::string(); };
  const struct {
    const char* typed;
    const char* completing;
    const char* named;
  } cases[] = {
      {"b", "Balls", ""},          {"STR", "Strings", ""}, {"balls", "Balls", "Balls"},
      {"sHoEs", "Shoes", "Shoes"}, {"Towels", "", ""},     {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(name(CategoryCompleting(Owner(), c.typed)), c.completing) << c.typed;
    EXPECT_EQ(name(CategoryNamed(Owner(), c.typed)), c.named) << c.typed;
  }
}

TEST_F(OperationEntryTest, ANewExpenseIsDatedTodayOnlyInTheSeasonYear) {
  EXPECT_EQ(NewExpenseEntry(2001, DATE_SIMPLE(15, 6, 2001)).date, DATE_SIMPLE(15, 6, 2001));
  EXPECT_EQ(NewExpenseEntry(2000, DATE_SIMPLE(15, 6, 2001)).date, DATE_SIMPLE(1, 1, 2000));
  EXPECT_EQ(NewExpenseEntry(2001, DATE_SIMPLE(15, 6, 2001)).amount, "0.00");
}

TEST_F(OperationEntryTest, ANewExpenseNeedsACategoryAndMakesTheOneTyped) {
  OperationEntry entry = NewExpenseEntry(2001, Today());
  entry.amount = "12,5";
  entry.category = "   ";
  EXPECT_EQ(CheckOperationEntry(entry), EntryProblem::kNoCategory);
  entry.category = " Towels ";
  entry.amount = "nan";
  EXPECT_EQ(CheckOperationEntry(entry), EntryProblem::kAmount);
  entry.amount = "12,5";
  ASSERT_EQ(CheckOperationEntry(entry), EntryProblem::kNone);
  const int categories = Owner().Categories().Count();
  const OPERATION_FINANCIERE* added = StoreOperationEntry(Owner(), *d_.season, entry, nullptr);
  EXPECT_EQ(Owner().Categories().Count(), categories + 1);
  EXPECT_EQ(added->Category()->Name(), "Towels");
  EXPECT_EQ(*std::prev(d_.season->Finances().Expenses().end()), added);
  EXPECT_FLOAT_EQ(added->Amount().Get(), 12.5f);
  EXPECT_TRUE(Doc().IsModified());

  // Typed in another case, the name selects the existing category.
  entry.category = "BALLS";
  EXPECT_EQ(StoreOperationEntry(Owner(), *d_.season, entry, nullptr)->Category(), d_.balls);
  EXPECT_EQ(Owner().Categories().Count(), categories + 1);
}

TEST_F(OperationEntryTest, EurosEnteredAreStoredInFrancsAndReadBackWithTheSameTotals) {
  Currency::SetCurrent(Currency::kEuros);
  OperationEntry entry = NewExpenseEntry(2001, Today());
  entry.category = "Towels";
  entry.amount = "100";
  const OPERATION_FINANCIERE* hundred = StoreOperationEntry(Owner(), *d_.season, entry, nullptr);
  EXPECT_FLOAT_EQ(hundred->Amount().Get(), 100.0f / 0.15244902f);
  EXPECT_EQ(EntryOfOperation(*hundred).amount, "100.00");
  for (const char* amount : {"12,5", "-0", "99999.99"}) {
    entry.amount = amount;
    StoreOperationEntry(Owner(), *d_.season, entry, nullptr);
  }
  const EncodedDocument encoded = Doc().Encode();
  PROJECT_DOC read;
  ASSERT_TRUE(read.ReadBytes(encoded.bytes).ok());
  const SAISON_JOUEUR* season = read.Owner().FindSeason(2001);
  EXPECT_EQ(season->GetExpenses().Get(), d_.season->GetExpenses().Get());
  EXPECT_EQ(season->GetGains().Get(), d_.season->GetGains().Get());
}

TEST_F(OperationEntryTest, AnExistingOperationTakesTheFieldsBack) {
  d_.balls_expense->SetAmount(SOMME(12.345f));
  OperationEntry entry = EntryOfOperation(*d_.balls_expense);
  EXPECT_EQ(entry.amount + " " + entry.category, "12.35 Balls");
  entry.payee = "DUPONT";
  StoreOperationEntry(Owner(), *d_.season, entry, d_.balls_expense);
  // The amount left as shown keeps its stored value, not the rounded text.
  EXPECT_FLOAT_EQ(d_.balls_expense->Amount().Get(), 12.345f);
  EXPECT_EQ(d_.balls_expense->Payee(), "DUPONT");
  EXPECT_EQ(d_.season->Finances().Expenses().Count(), 2);
  entry.amount = "7";
  StoreOperationEntry(Owner(), *d_.season, entry, d_.balls_expense);
  EXPECT_FLOAT_EQ(d_.balls_expense->Amount().Get(), 7.0f);
}

TEST_F(OperationEntryTest, AFullListOfExpensesLeavesNoNewCategory) {
  while (d_.season->Finances().Expenses().Count() < List<OPERATION_FINANCIERE*>::kMaxCount)
    d_.season->Finances().AddExpense(std::make_unique<OPERATION_FINANCIERE>());
  OperationEntry entry = NewExpenseEntry(2001, Today());
  entry.category = "Raquettes";
  entry.amount = "12";
  const int categories = Owner().Categories().Count();
  EXPECT_THROW(StoreOperationEntry(Owner(), *d_.season, entry, nullptr), ListFullError);
  EXPECT_EQ(Owner().Categories().Count(), categories);
  EXPECT_EQ(CategoryNamed(Owner(), "Raquettes"), nullptr);
}

}  // namespace
}  // namespace scorvane

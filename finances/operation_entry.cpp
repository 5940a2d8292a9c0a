#include "finances/operation_entry.h"

#include <cstdio>
#include <memory>

#include "base/currency.h"
#include "base/text_compare.h"
#include "records/entry_text.h"
#include "records/owner.h"

namespace scorvane {
namespace {

std::string TwoDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  const std::string upper_text = ToUpperText(text);
  const std::string upper_prefix = ToUpperText(prefix);
  return upper_text.compare(0, upper_prefix.size(), upper_prefix) == 0;
}

}  // namespace

OperationEntry NewExpenseEntry(int season_year, const DATE_SIMPLE& today) {
  OperationEntry entry;
  entry.date = today.Year() == season_year ? today : DATE_SIMPLE(1, 1, season_year);
  entry.amount = entry.shown_amount = TwoDecimals(0.0);
  return entry;
}

OperationEntry EntryOfOperation(const OPERATION_FINANCIERE& operation) {
  OperationEntry entry;
  entry.payee = operation.Payee();
  entry.purpose = operation.Purpose();
  entry.date = operation.Date();
  entry.stored_francs = operation.Amount().Get();
  entry.amount = entry.shown_amount =
      TwoDecimals(static_cast<double>(Currency::ToDisplay(entry.stored_francs)));
  if (operation.Category()) entry.category = operation.Category()->Name();
  return entry;
}

AmountReading ReadAmount(std::string_view typed) {
  AmountReading reading;
  const std::optional<double> value = ReadDecimalText(typed);
  if (!value) {
    reading.problem = AmountProblem::kNotANumber;
  } else if (*value < 0.0) {
    reading.problem = AmountProblem::kNegative;
  } else if (*value > kLargestOperationAmount) {
    reading.problem = AmountProblem::kTooLarge;
  } else {
    reading.value = *value;
  }
  return reading;
}

std::string RewriteAmount(std::string_view typed) {
  const AmountReading reading = ReadAmount(typed);
  return reading.problem == AmountProblem::kNone ? TwoDecimals(reading.value) : std::string(typed);
}

CATEGORIE_FINANCIERE* CategoryCompleting(const UTILISATEUR& owner, std::string_view typed) {
  if (typed.empty()) return nullptr;
  CATEGORIE_FINANCIERE* found = nullptr;
  for (CATEGORIE_FINANCIERE* category : owner.Categories()) {
    if (!StartsWithIgnoringCase(category->Name(), typed)) continue;
    if (!found || CompareListTexts(category->Name(), found->Name()) < 0) found = category;
  }
  return found;
}

CATEGORIE_FINANCIERE* CategoryNamed(const UTILISATEUR& owner, std::string_view name) {
  for (CATEGORIE_FINANCIERE* category : owner.Categories()) {
    if (EqualsIgnoringCase(category->Name(), name)) return category;
  }
  return nullptr;
}

EntryProblem CheckOperationEntry(const OperationEntry& entry) {
  if (OneLineText(entry.category).empty()) return EntryProblem::kNoCategory;
  if (entry.amount != entry.shown_amount &&
      ReadAmount(entry.amount).problem != AmountProblem::kNone) {
    return EntryProblem::kAmount;
  }
  return EntryProblem::kNone;
}

OPERATION_FINANCIERE* StoreOperationEntry(UTILISATEUR& owner, SAISON_JOUEUR& season,
                                          const OperationEntry& entry,
                                          OPERATION_FINANCIERE* existing) {
  const std::string name = OneLineText(entry.category);
  CATEGORIE_FINANCIERE* category = CategoryNamed(owner, name);
  if (!category) category = owner.AddCategory(std::make_unique<CATEGORIE_FINANCIERE>(name));

  OPERATION_FINANCIERE* operation = existing;
  if (!operation) {
    operation = season.Finances().AddExpense(std::make_unique<OPERATION_FINANCIERE>());
  }
  const float francs =
      entry.amount == entry.shown_amount && existing
          ? entry.stored_francs
          : Currency::FromDisplay(static_cast<float>(ReadAmount(entry.amount).value));
  operation->SetAmount(SOMME(francs));
  operation->SetCategory(category);
  operation->SetPurpose(OneLineText(entry.purpose));
  operation->SetPayee(OneLineText(entry.payee));
  operation->SetDate(entry.date);
  owner.MarkModified();
  return operation;
}

}  // namespace scorvane

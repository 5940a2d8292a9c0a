#include "finances/operation_entry.h"

#include <memory>

#include "base/currency.h"
#include "base/text_compare.h"
#include "records/entry_text.h"
#include "records/owner.h"

namespace scorvane {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  const std::string upper_text = ToUpperText(text);
  const std::string upper_prefix = ToUpperText(prefix);
  return upper_text.compare(0, upper_prefix.size(), upper_prefix) == 0;
}

}  // namespace

OperationEntry NewExpenseEntry(int season_year, const DATE_SIMPLE& today) {
  OperationEntry entry;
  entry.date = today.Year() == season_year ? today : DATE_SIMPLE(1, 1, season_year);
  entry.amount = entry.shown_amount = CentsText(0);
  return entry;
}

OperationEntry EntryOfOperation(const OPERATION_FINANCIERE& operation) {
  OperationEntry entry;
  entry.payee = operation.Payee();
  entry.purpose = operation.Purpose();
  entry.date = operation.Date();
  entry.stored_francs = operation.Amount().Get();
  entry.amount = entry.shown_amount = CentsText(Currency::DisplayCents(operation.Amount()));
  if (operation.Category()) entry.category = operation.Category()->Name();
  return entry;
}

AmountReading ReadAmount(std::string_view typed) {
  return ReadAmountInRange(typed, kLargestOperationCents);
}

std::string RewriteAmount(std::string_view typed) {
  const AmountReading reading = ReadAmount(typed);
  return reading.problem == AmountProblem::kNone ? CentsText(reading.cents) : std::string(typed);
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
  const bool new_category = !category;
  if (new_category) category = owner.AddCategory(std::make_unique<CATEGORIE_FINANCIERE>(name));

  OPERATION_FINANCIERE* operation = existing;
  if (!operation) {
    try {
      operation = season.Finances().AddExpense(std::make_unique<OPERATION_FINANCIERE>());
    } catch (const ListFullError&) {
      // A full list of expenses keeps no trace of the entry.
      if (new_category) owner.RemoveCategory(category);
      throw;
    }
  }
  const float francs = entry.amount == entry.shown_amount && existing
                           ? entry.stored_francs
                           : Currency::FrancsOfCents(ReadAmount(entry.amount).cents);
  operation->SetAmount(SOMME(francs));
  operation->SetCategory(category);
  operation->SetPurpose(OneLineText(entry.purpose));
  operation->SetPayee(OneLineText(entry.payee));
  operation->SetDate(entry.date);
  owner.MarkModified();
  return operation;
}

}  // namespace scorvane

// Entering one financial operation: the fields the entry dialog shows for a
// new expense or an existing operation, how a typed amount is read (only a
// plain number in range, never a value the records cannot hold), how the
// category box finds a category from what is typed, and how a confirmed
// entry is stored. The dialog works on an OperationEntry, a copy of the
// fields, and nothing reaches the records before StoreOperationEntry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/amount_text.h"
#include "base/dates.h"
#include "records/finance_records.h"
#include "records/owner.h"
#include "records/season.h"

namespace scorvane {

// The largest amount an operation takes, in either display currency: the
// francs stored for it still tell its cents apart in both.
inline constexpr double kLargestOperationAmount = 99999.99;
inline constexpr std::int64_t kLargestOperationCents = 9999999;

struct OperationEntry {
  std::string payee;
  std::string purpose;
  DATE_SIMPLE date;
  // The amount as typed, in the display currency.
  std::string amount;
  // The category's name as typed or chosen.
  std::string category;
  // The amount as it was shown, and the stored value it was shown from: an
  // amount left as shown keeps its stored value exactly.
  std::string shown_amount;
  float stored_francs = 0.0f;
};

// A new expense of the season: no texts, amount 0, no category, dated today
// when today lies in the season's year, else 1 January of that year.
OperationEntry NewExpenseEntry(int season_year, const DATE_SIMPLE& today);
// The fields of an existing operation (its amount in the display currency).
OperationEntry EntryOfOperation(const OPERATION_FINANCIERE& operation);

// Reads an amount typed in the display currency as ReadAmountCents does
// ("12,5" is 12.50, "1 500" is 1500.00; an exponent, "nan" or "inf" is not
// a number); below zero is refused ("-0" is zero), and so is more than
// kLargestOperationAmount.
AmountReading ReadAmount(std::string_view typed);
// An amount field once left: a readable amount written with two decimals;
// anything else is left as typed, for the check on OK to refuse.
std::string RewriteAmount(std::string_view typed);

// The first category, in the list order of names, whose name begins with
// `typed` without regard to case; null for an empty text or no match.
CATEGORIE_FINANCIERE* CategoryCompleting(const UTILISATEUR& owner, std::string_view typed);
// The category of that name without regard to case (the first in the
// document's order), or null.
CATEGORIE_FINANCIERE* CategoryNamed(const UTILISATEUR& owner, std::string_view name);

// Why a confirmed entry cannot be stored (the dialog stays open).
enum class EntryProblem { kNone, kNoCategory, kAmount };
EntryProblem CheckOperationEntry(const OperationEntry& entry);

// Stores an entry that passed the check, its texts on one line without the
// blanks around them: its category is the document's category of that name
// (any case), or a new category of the name typed, added to the document; the amount goes into
// francs (0 for a zero rate). With `existing` the operation takes the fields; otherwise a new
// operation is appended to the season's expenses. Marks the document modified; returns the
// operation. A full list (ListFullError) leaves the document as it was.
OPERATION_FINANCIERE* StoreOperationEntry(UTILISATEUR& owner, SAISON_JOUEUR& season,
                                          const OperationEntry& entry,
                                          OPERATION_FINANCIERE* existing);

}  // namespace scorvane

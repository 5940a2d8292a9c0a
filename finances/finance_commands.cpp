#include "finances/finance_commands.h"

#include "base/catalogue/messages.h"
#include "base/user_prompt.h"
#include "records/owner.h"
#include "records/palmares.h"

namespace scorvane {
namespace {

constexpr int kDeleteEventExpense = 327;
constexpr int kDeleteOperation = 328;
constexpr int kDeletePrize = 329;

// A row may outlive its record (the page rebuilds its rows after every
// change, but a stale row must never reach a deleted record).
bool IsInSeason(const SAISON_JOUEUR& season, const ELEM_LISTE_FINANCES& element) {
  const FINANCES_SAISON& finances = season.Finances();
  if (element.operation) {
    return element.list == FinanceListKind::kGains
               ? finances.Gains().Contains(element.operation)
               : finances.Expenses().Contains(element.operation);
  }
  return element.played && season.Palmares() &&
         season.Palmares()->PlayedEvents().Contains(element.played);
}

}  // namespace

int DeleteQuestionOf(const ELEM_LISTE_FINANCES& element) {
  if (element.list == FinanceListKind::kPrizes) return kDeletePrize;
  if (element.list == FinanceListKind::kExpenses && element.IsEventRow())
    return kDeleteEventExpense;
  return kDeleteOperation;
}

bool DeleteFinanceRow(const UTILISATEUR& owner, SAISON_JOUEUR& season,
                      const ELEM_LISTE_FINANCES& element) {
  if (!IsInSeason(season, element)) return false;
  if (!AskYesNo(Msg(DeleteQuestionOf(element)), UserPrompt::Style::kMessageBox)) return false;
  FINANCES_SAISON& finances = season.Finances();
  if (element.operation) {
    if (element.list == FinanceListKind::kGains) {
      finances.RemoveGain(element.operation);
    } else {
      finances.RemoveExpense(element.operation);
    }
  } else if (element.list == FinanceListKind::kPrizes) {
    element.played->SetPrizes(std::string());
  } else if (element.list == FinanceListKind::kGains) {
    element.played->SetPrizeMoney(SOMME());
  } else if (element.travel) {
    element.played->SetTravelExpenses(SOMME());
  } else {
    element.played->SetEntryFee(SOMME());
  }
  owner.MarkModified();
  return true;
}

}  // namespace scorvane

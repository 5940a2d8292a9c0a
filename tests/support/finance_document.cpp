#include "tests/support/finance_document.h"

#include "tests/support/document_builder.h"

namespace scorvane::testing {
namespace {

OPERATION_FINANCIERE* Operation(FINANCES_SAISON& finances, bool gain, float francs,
                                CATEGORIE_FINANCIERE* category, const DATE_SIMPLE& date,
                                const std::string& purpose, const std::string& payee) {
  auto operation = std::make_unique<OPERATION_FINANCIERE>();
  operation->SetAmount(SOMME(francs));
  operation->SetCategory(category);
  operation->SetDate(date);
  operation->SetPurpose(purpose);
  operation->SetPayee(payee);
  return gain ? finances.AddGain(std::move(operation)) : finances.AddExpense(std::move(operation));
}

}  // namespace

FinanceDocument BuildFinanceDocument(UTILISATEUR& owner) {
  FinanceDocument d;
  DocumentBuilder builder(owner);
  d.season = builder.Season(2001, "30/1");
  d.lyon = builder.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
  d.lyon->SetEntryFee(SOMME(80.0f));
  d.lyon->SetTravelExpenses(SOMME(20.0f));
  d.lyon->SetPrizeMoney(SOMME(300.0f));
  d.lyon->SetPrizes("Une coupe");
  d.caen = builder.Tournament("Tournoi de Caen", DATE_SIMPLE(12, 2, 2001));
  d.caen->SetEntryFee(SOMME(60.0f));
  owner.AddCategory(std::make_unique<CATEGORIE_FINANCIERE>("Shoes"));
  d.balls = owner.AddCategory(std::make_unique<CATEGORIE_FINANCIERE>("Balls"));
  d.strings = owner.AddCategory(std::make_unique<CATEGORIE_FINANCIERE>("Strings"));
  FINANCES_SAISON& finances = d.season->Finances();
  d.balls_expense =
      Operation(finances, false, 120.0f, d.balls, DATE_SIMPLE(10, 3, 2001), "Tubes", "MARTINEZ");
  d.strings_expense =
      Operation(finances, false, 45.0f, d.strings, DATE_SIMPLE(1, 4, 2001), "Cordage", "MARTIN");
  d.sponsor_gain =
      Operation(finances, true, 500.0f, d.strings, DATE_SIMPLE(1, 1, 2001), "Sponsor", "Club");
  return d;
}

}  // namespace scorvane::testing

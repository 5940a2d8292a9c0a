// A season with money of every kind, shared by the finance tests of the
// core, the command-line tool and the finances page:
//
//   season 2001 (active), events retained by it:
//     "Open de Lyon"     3 May 2001   entry fee 80, travel 20, prize money 300, prizes "Une coupe"
//     "Tournoi de Caen" 12 Feb 2001   entry fee 60
//   categories "Strings", "Balls" (document order), and "Shoes" unused
//   expenses  10 Mar 2001  120  Balls    "Tubes"    paid to MARTINEZ
//              1 Apr 2001   45  Strings  "Cordage"  paid to MARTIN
//   gain       1 Jan 2001  500  Strings  "Sponsor"  paid by "Club"
//
// All amounts in francs. Gains total 800, expenses total 325.
#pragma once

#include "records/document.h"
#include "records/season.h"

namespace scorvane::testing {

struct FinanceDocument {
  SAISON_JOUEUR* season = nullptr;
  EPREUVE_JOUEE* lyon = nullptr;
  EPREUVE_JOUEE* caen = nullptr;
  CATEGORIE_FINANCIERE* balls = nullptr;
  CATEGORIE_FINANCIERE* strings = nullptr;
  OPERATION_FINANCIERE* balls_expense = nullptr;
  OPERATION_FINANCIERE* strings_expense = nullptr;
  OPERATION_FINANCIERE* sponsor_gain = nullptr;
};

// Fills the owner's document as above.
FinanceDocument BuildFinanceDocument(UTILISATEUR& owner);

}  // namespace scorvane::testing

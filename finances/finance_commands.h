// What the finances page does to the record behind a row when the user
// deletes it: an operation is removed from its season and deleted, while an
// event row only clears the amount or text it shows (its entry fee, travel
// costs, prize money or prizes) and the event itself stays, with its
// matches and its other amounts.
#pragma once

#include "finances/finance_lists.h"

namespace scorvane {

class UTILISATEUR;

// The question asked before deleting the row's record (a catalogue number):
// an event's expense, an operation, or a prize.
int DeleteQuestionOf(const ELEM_LISTE_FINANCES& element);

// Asks the row's question (Yes / No) and, on Yes, deletes or clears what
// the row stands for in `season`, one of the owner's, and marks the owner's
// document modified. False when the user said No or the record is no longer
// in the season.
bool DeleteFinanceRow(const UTILISATEUR& owner, SAISON_JOUEUR& season,
                      const ELEM_LISTE_FINANCES& element);

}  // namespace scorvane

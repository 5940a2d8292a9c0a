// What the operations viewer lists: the expense operations of the active
// season in one category, the travel costs of its events, or their entry
// fees, with the viewer's title and its heading line (the title and the
// total of the amounts shown).
#pragma once

#include <string>
#include <vector>

#include "finances/finance_lists.h"

namespace scorvane {

class UTILISATEUR;

struct OperationsView {
  enum Mode { kCategory = 0, kTravelCosts = 1, kEntryFees = 2 };
  Mode mode = kCategory;
  // The category shown (mode kCategory).
  const CATEGORIE_FINANCIERE* category = nullptr;
};

// The rows shown, in the expenses list's order.
std::vector<FinanceRow> OperationsViewRows(const SAISON_JOUEUR& season, const OperationsView& view);
// "Financial category Balls operations", "Travelling expenses for events",
// "Events costs".
std::string OperationsViewTitle(const OperationsView& view);
// "Events costs : 140.00 F": the title, the rows' total in number style and
// the currency name.
std::string OperationsViewHeading(const OperationsView& view, const std::vector<FinanceRow>& rows);

}  // namespace scorvane

// Deleting from the matches page. The selected lines are matches and
// events played; what a deletion takes depends on the mix: matches alone go
// after one question; with events among them only the matches go; events
// alone mean the first one only, with its matches, after a question that
// says how many it holds. Kept free of widgets so that every case is tested
// with scripted answers.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace scorvane {

class EPREUVE_JOUEE;
class PROJECT_DOC;
class RENCONTRE;
class SAISON_JOUEUR;

// One selected line: a match, or an event played (its group line).
struct SelectedLine {
  RENCONTRE* match = nullptr;
  EPREUVE_JOUEE* played = nullptr;
};

struct DeletionPlan {
  // The matches to delete, in selection order...
  std::vector<RENCONTRE*> matches;
  // ...or the event played to delete with every match it holds.
  EPREUVE_JOUEE* played = nullptr;
  // The question asked first.
  std::string question;
  // The positions in the selection of the lines that stay selected (the
  // others are unselected before the question).
  std::vector<size_t> kept;

  bool IsEmpty() const { return matches.empty() && played == nullptr; }
};

// What deleting the selected lines means, and the question it asks.
DeletionPlan PlanDeletion(std::span<const SelectedLine> selection);

// Asks the plan's question and, on Yes, deletes: the matches (each removed
// from the season's palmares and its event), or the event played with its
// matches and its place in the season's palmares. Players left without any
// match are offered for deletion as every match deletion does. `season` is
// one of the document's owner's. True when something was deleted.
bool CarryOut(const DeletionPlan& plan, PROJECT_DOC& document, SAISON_JOUEUR& season);

}  // namespace scorvane

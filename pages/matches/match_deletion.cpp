#include "pages/matches/match_deletion.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "base/user_prompt.h"
#include "records/document.h"
#include "records/event.h"
#include "records/palmares.h"
#include "records/season.h"

namespace scorvane {
namespace {

std::string EventQuestion(const EPREUVE_JOUEE& played) {
  const std::string name = played.Event() ? played.Event()->Name() : std::string();
  const int matches = played.Matches().Count();
  if (matches == 0) return FormatText(Msg(111), {name});
  if (matches == 1) return FormatText(Msg(113), {name});
  return FormatText(Msg(112), {name, matches});
}

// Deletes matches without asking for each one again, while players left
// without a match are still offered for deletion.
void DeleteMatches(UTILISATEUR& owner, const std::vector<RENCONTRE*>& matches) {
  owner.ResetDeletionAskFlags();
  owner.DeletionAskFlags().matches = false;
  // A lone singles match asks about its opponent with a plain Yes / No;
  // a series offers "yes to all".
  const int ask_mode = matches.size() == 1 ? 1 : 0;
  for (RENCONTRE* match : matches)
    owner.DeleteMatch(match, ask_mode);
  owner.ResetDeletionAskFlags();
}

// Opens and closes a batch of changes so the views refresh once.
class ChangeBatch {
 public:
  explicit ChangeBatch(PROJECT_DOC& document) : document_(document) { document_.BeginUpdate(); }
  ~ChangeBatch() { document_.EndUpdate(); }
  ChangeBatch(const ChangeBatch&) = delete;
  ChangeBatch& operator=(const ChangeBatch&) = delete;

 private:
  PROJECT_DOC& document_;
};

}  // namespace

DeletionPlan PlanDeletion(std::span<const SelectedLine> selection) {
  DeletionPlan plan;
  size_t first_event = selection.size();
  for (size_t i = 0; i < selection.size(); ++i) {
    if (selection[i].match) {
      plan.matches.push_back(selection[i].match);
      plan.kept.push_back(i);
    } else if (selection[i].played && first_event == selection.size()) {
      first_event = i;
    }
  }
  if (!plan.matches.empty()) {
    const int count = static_cast<int>(plan.matches.size());
    plan.question = count == 1 ? Msg(114) : FormatText(Msg(115), {count});
    return plan;
  }
  if (first_event == selection.size()) return plan;
  plan.played = selection[first_event].played;
  plan.kept = {first_event};
  plan.question = EventQuestion(*plan.played);
  return plan;
}

bool CarryOut(const DeletionPlan& plan, PROJECT_DOC& document, SAISON_JOUEUR& season) {
  if (plan.IsEmpty() || !AskYesNo(plan.question)) return false;
  UTILISATEUR* owner = &document.Owner();
  ChangeBatch batch(document);
  if (!plan.played) {
    DeleteMatches(*owner, plan.matches);
    owner->MarkModified();
    return true;
  }
  EPREUVE_JOUEE* played = plan.played;
  DeleteMatches(*owner,
                std::vector<RENCONTRE*>(played->Matches().begin(), played->Matches().end()));
  // No season may keep pointing at the event once it is gone.
  if (season.Palmares()) season.Palmares()->RemovePlayedEvent(played);
  for (SAISON_JOUEUR* other : owner->Seasons()) {
    if (other->Palmares()) other->Palmares()->RemovePlayedEvent(played);
  }
  if (EPREUVE* event = played->Event()) event->DeletePlayed(played);
  owner->MarkModified();
  return true;
}

}  // namespace scorvane

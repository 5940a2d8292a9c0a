#include "pages/rankings/system_commands.h"

#include "base/catalogue/messages.h"
#include "base/text_format.h"
#include "base/user_prompt.h"
#include "pages/common/rankings/ranking_date_dialog.h"
#include "pages/rankings/system_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/ranking_translation.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {

bool ChangeDocumentSystem(PROJECT_DOC& document, QWidget* parent) {
  if (!AskYesNo(FormatText(Msg(560), {ActiveSystem().Title()}))) return false;
  SYSTEME_CLASSEMENT* chosen = ChooseRankingSystem(parent);
  if (!chosen) return false;
  Registry().SetPending(chosen);
  return SwitchToPendingSystem(document);
}

void ManageRankingSystems(QWidget* parent) {
  MessageBoxes::Inform(parent, QString::fromUtf8(Msg(562)));
  DLG_SELECTION_SYSCLASS::Manage(parent);
}

SYSTEME_CLASSEMENT* ChooseRankingSystem(QWidget* parent, const SYSTEME_CLASSEMENT* current) {
  return DLG_SELECTION_SYSCLASS::Choose(parent, current);
}

bool EnterNewRanking(QWidget* parent, CLASSEMENT_DATE& entry) {
  return DLG_EDIT_UN_CLASSEMENT::EditNew(parent, entry);
}

}  // namespace scorvane

#include "pages/common/players/player_questions.h"

#include "pages/common/players/player_commands.h"
#include "pages/common/players/similar_player_dialog.h"
#include "widgets/dialogs/question_dialogs.h"

namespace scorvane {

bool DialogPlayerQuestions::AskNewPlayer(const JOUEUR&) {
  return DLG_QUEST_NOUVEAU_JOUEUR::AskNewPlayer(parent_);
}

bool DialogPlayerQuestions::AskSamePlayer(JOUEUR& existing) {
  for (;;) {
    DLG_JOUEURS_SEMBLABLES dialog(existing, parent_);
    const int answer = dialog.exec();
    if (answer != DLG_JOUEURS_SEMBLABLES::kShow) return answer == DLG_JOUEURS_SEMBLABLES::kSame;
    // Looked at (and perhaps changed), the player is asked about again.
    EditPlayerDialog(parent_, existing);
  }
}

}  // namespace scorvane

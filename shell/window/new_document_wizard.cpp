#include "shell/window/new_document_wizard.h"

#include "pages/common/seasons/season_commands.h"
#include "pages/own/owner_dialog.h"
#include "pages/rankings/system_commands.h"
#include "ranking/ranking_history.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/owner.h"
#include "records/season.h"

namespace scorvane {
namespace {

// The questions in the order they are asked.
enum class NewDocumentStep { kOwner, kSystem, kSeason, kRanking };

}  // namespace

bool AskNewDocumentQuestions(QWidget* parent, PROJECT_DOC& document) {
  UTILISATEUR& owner = document.Owner();
  // The season the season question made, so that coming back to that
  // question asks for it again instead of adding a second season.
  SAISON_JOUEUR* season_made = nullptr;
  // Once a system was chosen the document holds it: coming back to the
  // system question shows it selected.
  bool system_chosen = false;
  NewDocumentStep step = NewDocumentStep::kOwner;
  for (;;) {
    switch (step) {
      case NewDocumentStep::kOwner:
        if (!EditOwner(parent, document)) return false;
        step = NewDocumentStep::kSystem;
        break;

      case NewDocumentStep::kSystem:
        if (SYSTEME_CLASSEMENT* chosen =
                ChooseRankingSystem(parent, system_chosen ? &ActiveSystem() : nullptr)) {
          Registry().SetActive(chosen);
          system_chosen = true;
          step = NewDocumentStep::kSeason;
        } else {
          step = NewDocumentStep::kOwner;
        }
        break;

      case NewDocumentStep::kSeason:
        if (season_made) {
          owner.DeleteSeason(season_made);
          season_made = nullptr;
        }
        if (!RunNewSeasonCommand(parent, document)) {
          step = NewDocumentStep::kSystem;
          break;
        }
        season_made = owner.GetActiveSeason();
        // Under a yearly system the season question asked for the season's
        // ranking already.
        if (!owner.History().IsEmpty()) return true;
        step = NewDocumentStep::kRanking;
        break;

      case NewDocumentStep::kRanking: {
        CLASSEMENT_DATE entry;
        if (EnterNewRanking(parent, entry)) {
          owner.History().Add(entry.Ranking(), entry.Date(), entry.Note());
          document.MarkModified();
          return true;
        }
        step = NewDocumentStep::kSeason;
        break;
      }
    }
  }
}

}  // namespace scorvane

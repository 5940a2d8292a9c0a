#include "pages/common/players/player_commands.h"

#include "pages/common/players/player_dialog.h"
#include "pages/common/players/player_page.h"
#include "pages/common/players/player_questions.h"
#include "records/document.h"
#include "records/season.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

// Rankings are those of the active season's year (today's year without a
// season), at today's date under a system without yearly rankings.
int SeasonYear(const UTILISATEUR& owner) {
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  return season ? season->Year() : Today().Year();
}

JOUEUR* RunPlayerDialog(QWidget* parent, PlayerSlot slot) {
  PROJECT_DOC* document = CurrentDocument();
  if (!document) return nullptr;
  UTILISATEUR& owner = document->Owner();
  DLG_SAISIE_JOUEUR dialog(owner, std::move(slot), SeasonYear(owner), Today(), parent);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  DialogPlayerQuestions questions(parent);
  PAGE_PROPRIETE_JOUEUR* page = dialog.Page();
  page->SetValues(dialog.Values());
  document->BeginUpdate();
  JOUEUR* saved = nullptr;
  try {
    saved = page->Save(/*in_match=*/false, nullptr, questions);
  } catch (const ListFullError&) {
    MessageBoxes::Warn(parent, QString::fromUtf8(ListFullError().what()));
  }
  document->EndUpdate();
  return saved;
}

}  // namespace

bool EditPlayerDialog(QWidget* parent, JOUEUR& player) {
  return RunPlayerDialog(parent, PlayerSlot::Of(&player)) != nullptr;
}

JOUEUR* NewPlayerDialog(QWidget* parent) {
  const UTILISATEUR* owner = CurrentOwner();
  if (!owner) return nullptr;
  // A new player starts unranked: the weakest ranking of the system.
  PlayerSlot slot = PlayerSlot::New(*owner);
  slot.fresh->History().Add(CLASSEMENT::Worst(),
                            RankingDatesFor(SeasonYear(*owner), Today()).current, "");
  return RunPlayerDialog(parent, std::move(slot));
}

}  // namespace scorvane

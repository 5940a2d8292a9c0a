#include "pages/common/matches/match_entry_flow.h"

#include <set>

#include "pages/common/matches/match_dialog.h"
#include "pages/common/matches/match_viewer.h"
#include "pages/common/players/player_questions.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

// Matches whose dialog is open: the match viewer of a player shown from a
// match dialog must not open (and perhaps replace) the very same match.
std::set<const RENCONTRE*>& OpenMatches() {
  static std::set<const RENCONTRE*> open;
  return open;
}

// Runs the dialog and, once confirmed, stores it as one change of the
// document (the views refresh once, when everything is in place).
RENCONTRE* RunAndStore(QWidget* parent, PROJECT_DOC& document, DLG_SAISIE_RENCONTRE& dialog) {
  RENCONTRE* stored = nullptr;
  document.BeginUpdate();
  if (dialog.exec() == QDialog::Accepted) {
    DialogPlayerQuestions questions(parent);
    try {
      stored = dialog.Store(questions);
    } catch (const ListFullError& full) {
      MessageBoxes::Warn(parent, QString::fromUtf8(full.what()));
    }
  }
  document.EndUpdate();
  return stored;
}

}  // namespace

RENCONTRE* EnterNewMatch(QWidget* parent, PROJECT_DOC& document, SAISON_JOUEUR& season,
                         const MatchEventChoice& choice) {
  DLG_SAISIE_RENCONTRE dialog(document.Owner(), season, choice, parent);
  return RunAndStore(parent, document, dialog);
}

RENCONTRE* NewMatchInEvent(QWidget* parent, EPREUVE_JOUEE& played) {
  PROJECT_DOC* document = CurrentDocument();
  SAISON_JOUEUR* season = document ? document->Owner().GetActiveSeason() : nullptr;
  if (!season) return nullptr;
  return EnterNewMatch(parent, *document, *season, MatchEventChoice::Played(&played));
}

RENCONTRE* EditMatch(QWidget* parent, RENCONTRE& match) {
  PROJECT_DOC* document = CurrentDocument();
  if (!document) return nullptr;
  const PALMARES* palmares = match.GetPalmares();
  SAISON_JOUEUR* season =
      palmares && palmares->Season() ? palmares->Season() : document->Owner().GetActiveSeason();
  if (!season) return nullptr;
  if (OpenMatches().contains(&match)) {
    MessageBoxes::Inform(parent, DLG_SAISIE_RENCONTRE::tr("This match is already open."));
    return nullptr;
  }
  OpenMatches().insert(&match);
  DLG_SAISIE_RENCONTRE dialog(document->Owner(), *season, match, parent);
  RENCONTRE* stored = RunAndStore(parent, *document, dialog);
  OpenMatches().erase(&match);
  return stored;
}

void InstallMatchViewerOpener() {
  DLG_VISU_RENCONTRES::SetMatchOpener(
      [](QWidget* parent, RENCONTRE& match) { return EditMatch(parent, match); });
}

}  // namespace scorvane

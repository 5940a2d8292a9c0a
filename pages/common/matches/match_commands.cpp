#include "pages/common/matches/match_commands.h"

#include "pages/common/matches/event_chooser_dialog.h"
#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_entry_flow.h"
#include "records/document.h"
#include "records/palmares.h"
#include "records/season.h"
#include "widgets/current_document.h"
#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

// The document and its active season, or nothing (with a word to the user
// when there is no season to enter anything into).
SAISON_JOUEUR* ActiveSeason(QWidget* parent) {
  PROJECT_DOC* document = CurrentDocument();
  SAISON_JOUEUR* season = document ? document->Owner().GetActiveSeason() : nullptr;
  if (document && !season) {
    MessageBoxes::Inform(parent, DLG_SAISIE_EPREUVE::tr("Create a season first: matches and "
                                                        "events are entered in a season."));
  }
  return season;
}

// Stores a confirmed event entry and makes the season retain its played
// event; a full list says so and changes nothing.
bool StoreInSeason(QWidget* parent, const EventEntry& entry, SAISON_JOUEUR& season) {
  PROJECT_DOC& document = *CurrentDocument();
  document.BeginUpdate();
  bool stored = true;
  try {
    StoreEventEntry(document.Owner(), entry, &season);
    document.MarkModified();
  } catch (const ListFullError& full) {
    MessageBoxes::Warn(parent, QString::fromUtf8(full.what()));
    stored = false;
  }
  document.EndUpdate();
  return stored;
}

}  // namespace

bool NewMatchCommand(QWidget* parent, RENCONTRE** added) {
  if (added) *added = nullptr;
  SAISON_JOUEUR* season = ActiveSeason(parent);
  if (!season) return false;
  DLG_NOUVELLE_RENCONTRE chooser(*CurrentDocument(), *season, parent);
  if (chooser.exec() != QDialog::Accepted || !chooser.Added()) return false;
  if (added) *added = chooser.Added();
  return true;
}

bool EditMatchCommand(QWidget* parent, RENCONTRE& match) {
  return EditMatch(parent, match) != nullptr;
}

bool EditPlayedEventCommand(QWidget* parent, EPREUVE_JOUEE& played) {
  SAISON_JOUEUR* season = ActiveSeason(parent);
  if (!season) return false;
  DLG_SAISIE_EPREUVE dialog(CurrentDocument()->Owner(), season->Year(),
                            {played.Event(), &played, ValuesOfPlayed(played)}, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return StoreInSeason(parent, dialog.Entry(), *season);
}

bool NewEventCommand(QWidget* parent) {
  SAISON_JOUEUR* season = ActiveSeason(parent);
  if (!season) return false;
  EventEntry entry;
  entry.values = NewEventValues(season->Year(), Today());
  DLG_SAISIE_EPREUVE dialog(CurrentDocument()->Owner(), season->Year(), entry, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return StoreInSeason(parent, dialog.Entry(), *season);
}

}  // namespace scorvane

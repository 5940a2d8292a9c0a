// The runs of the match dialog: a new match in the event chosen, a new
// match in a given event of the season, an existing match. Each holds the
// document's refreshes until it ends, asks the player questions with the
// program's dialogs, and leaves the document untouched when cancelled.
#pragma once

class QWidget;

namespace scorvane {

class EPREUVE_JOUEE;
class MatchEventChoice;
class PROJECT_DOC;
class RENCONTRE;
class SAISON_JOUEUR;

// The match added, or null when the user cancelled.
RENCONTRE* EnterNewMatch(QWidget* parent, PROJECT_DOC& document, SAISON_JOUEUR& season,
                         const MatchEventChoice& choice);

// A new match in a played event of the active season ("Add a match to the
// event"); the match added, or null.
RENCONTRE* NewMatchInEvent(QWidget* parent, EPREUVE_JOUEE& played);

// The match dialog on a match of the current document, for the season that
// retains it (the active season when none does). The match as it now
// stands (a change between singles and doubles replaces the record), or
// null when cancelled or when that match's dialog is already open.
RENCONTRE* EditMatch(QWidget* parent, RENCONTRE& match);

// Makes the match viewer's double click open EditMatch.
void InstallMatchViewerOpener();

}  // namespace scorvane

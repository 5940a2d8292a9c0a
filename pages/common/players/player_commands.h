// Opening the player dialog on a player of the document or on a new player,
// and saving what the user confirms. The players page and the similar-player
// question use these.
#pragma once

class QWidget;

namespace scorvane {

class JOUEUR;

// The player dialog on a player of the current document; true when the
// user pressed OK (the player then holds the values).
bool EditPlayerDialog(QWidget* parent, JOUEUR& player);

// The player dialog on a new player; on OK the player is added to the
// current document (or, when it resembles a player of the document and the
// user says it is the same, that player is kept). The player, or null on
// Cancel.
JOUEUR* NewPlayerDialog(QWidget* parent);

}  // namespace scorvane

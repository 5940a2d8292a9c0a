// The commands of match and event entry that the matches page calls.
#pragma once

class QWidget;

namespace scorvane {

class EPREUVE_JOUEE;
class RENCONTRE;

// The whole new-match flow: the event chooser, then the match dialog. True when a match was added;
// *added is set to it.
bool NewMatchCommand(QWidget* parent, RENCONTRE** added = nullptr);
// The match dialog on an existing match; true when it was changed.
bool EditMatchCommand(QWidget* parent, RENCONTRE& match);
// The event dialog on a played event of the active season; true when it was changed.
bool EditPlayedEventCommand(QWidget* parent, EPREUVE_JOUEE& played);
// The event dialog for a new event of the active season; true when one was added.
bool NewEventCommand(QWidget* parent);

}  // namespace scorvane

// Stand-ins for the match and event commands until their dialogs exist:
// each says so and changes nothing.
#include "pages/matches/match_commands.h"

#include <QCoreApplication>

#include "widgets/dialogs/message_boxes.h"

namespace scorvane {
namespace {

bool NotYetAvailable(QWidget* parent) {
  MessageBoxes::Inform(parent, QCoreApplication::translate("MatchCommands", "Not yet available."));
  return false;
}

}  // namespace

bool NewMatchCommand(QWidget* parent, RENCONTRE** added) {
  if (added) *added = nullptr;
  return NotYetAvailable(parent);
}

bool EditMatchCommand(QWidget* parent, RENCONTRE&) {
  return NotYetAvailable(parent);
}

bool EditPlayedEventCommand(QWidget* parent, EPREUVE_JOUEE&) {
  return NotYetAvailable(parent);
}

bool NewEventCommand(QWidget* parent) {
  return NotYetAvailable(parent);
}

}  // namespace scorvane

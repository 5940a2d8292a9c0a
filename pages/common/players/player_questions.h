// The questions of player saving, answered with the program's dialogs:
// "same player or new player" after a player met in other matches changed
// identity, and "is it the same player" for a new player that resembles one
// of the document (where the user may look at that player first).
#pragma once

#include "records/player_entry.h"

class QWidget;

namespace scorvane {

class DialogPlayerQuestions : public PlayerQuestions {
 public:
  explicit DialogPlayerQuestions(QWidget* parent) : parent_(parent) {}

  bool AskNewPlayer(const JOUEUR& changed) override;
  bool AskSamePlayer(JOUEUR& existing) override;

 private:
  QWidget* parent_;
};

}  // namespace scorvane

// DLG_JOUEURS_SEMBLABLES: a new player resembles one of the document ("A
// similar player, FIRST LAST, already exists. Is it the same player ?"),
// with "It is the same player!", "Different player" and "Show that player".
#pragma once

#include <QDialog>

namespace scorvane {

class JOUEUR;

class DLG_JOUEURS_SEMBLABLES : public QDialog {
  Q_OBJECT

 public:
  // The dialog's results (closing the window counts as "different").
  enum Answer { kDifferent = 0, kSame = 1, kShow = 2 };

  explicit DLG_JOUEURS_SEMBLABLES(const JOUEUR& existing, QWidget* parent = nullptr);
};

}  // namespace scorvane

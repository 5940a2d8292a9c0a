// The status bar's CAP, NUM and SCRL: each lit while its lock is on. The
// states are read from the X server's keyboard indicators when the program
// runs on X11; elsewhere the lock keys are followed as they are pressed.
#pragma once

#include <QObject>

#include "shell/window/system_locks.h"

class QLabel;
class QStatusBar;

namespace scorvane {

class LockIndicators : public QObject {
  Q_OBJECT

 public:
  // Adds the three indicators to the right end of the bar.
  explicit LockIndicators(QStatusBar& bar);
  ~LockIndicators() override;

  LockStates Shown() const;
  // Reads the states again and shows them.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* caps_;
  QLabel* num_;
  QLabel* scroll_;
  // Followed from the keys pressed, where the system cannot tell.
  LockStates followed_;
};

}  // namespace scorvane

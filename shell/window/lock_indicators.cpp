#include "shell/window/lock_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "shell/window/system_locks.h"

namespace scorvane {

LockIndicators::LockIndicators(QStatusBar& bar)
    : QObject(&bar),
      caps_(new QLabel(QStringLiteral("CAP"), &bar)),
      num_(new QLabel(QStringLiteral("NUM"), &bar)),
      scroll_(new QLabel(QStringLiteral("SCRL"), &bar)) {
  caps_->setObjectName(QStringLiteral("capsLockIndicator"));
  num_->setObjectName(QStringLiteral("numLockIndicator"));
  scroll_->setObjectName(QStringLiteral("scrollLockIndicator"));
  for (QLabel* indicator : {caps_, num_, scroll_})
    bar.addPermanentWidget(indicator);
  // Key presses anywhere in the program, and the return of the program to
  // the front (the locks may have changed meanwhile), update the indicators.
  qApp->installEventFilter(this);
  Refresh();
}

LockIndicators::~LockIndicators() {
  qApp->removeEventFilter(this);
}

LockStates LockIndicators::Shown() const {
  return {caps_->isEnabled(), num_->isEnabled(), scroll_->isEnabled()};
}

void LockIndicators::Refresh() {
  LockStates states = followed_;
  if (!ReadSystemLocks(states)) states = followed_;
  caps_->setEnabled(states.caps);
  num_->setEnabled(states.num);
  scroll_->setEnabled(states.scroll);
}

bool LockIndicators::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      // A key press from the window system reaches its window first, then
      // every widget that passes it on: it is counted at the window.
      if (!watched->isWindowType()) break;
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_CapsLock:
          followed_.caps = !followed_.caps;
          break;
        case Qt::Key_NumLock:
          followed_.num = !followed_.num;
          break;
        case Qt::Key_ScrollLock:
          followed_.scroll = !followed_.scroll;
          break;
        default:
          break;
      }
      Refresh();
      break;
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
      Refresh();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace scorvane

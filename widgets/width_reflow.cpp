#include "widgets/width_reflow.h"

#include <QEvent>
#include <QWidget>

namespace scorvane {

WidthReflow::WidthReflow(QWidget* watched, int wide_from)
    : QObject(watched), watched_(watched), wide_from_(wide_from) {
  wide_ = watched_->width() >= wide_from_;
  watched_->installEventFilter(this);
}

void WidthReflow::Follow(QBoxLayout* layout, QBoxLayout::Direction wide,
                         QBoxLayout::Direction narrow) {
  followed_.push_back({layout, wide, narrow});
  layout->setDirection(wide_ ? wide : narrow);
}

bool WidthReflow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == watched_ && event->type() == QEvent::Resize) {
    const bool wide = watched_->width() >= wide_from_;
    if (wide != wide_) {
      wide_ = wide;
      Apply();
    }
  }
  return false;
}

void WidthReflow::Apply() {
  for (const Followed& followed : followed_)
    followed.layout->setDirection(wide_ ? followed.wide : followed.narrow);
}

}  // namespace scorvane

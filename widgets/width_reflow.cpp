#include "widgets/width_reflow.h"

#include <QEvent>
#include <QWidget>
#include <utility>

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

void WidthReflow::OnChange(std::function<void(bool wide)> arrange) {
  arrange(wide_);
  arrangers_.push_back(std::move(arrange));
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
  for (const auto& arrange : arrangers_)
    arrange(wide_);
}

}  // namespace scorvane

#include "widgets/translated_texts.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace scorvane {
namespace {

// Watches the widget it belongs to and writes its texts again after a
// language switch; a child of the widget, so it goes with it.
class LanguageWatcher : public QObject {
 public:
  LanguageWatcher(QWidget* widget, std::function<void()> write_texts)
      : QObject(widget), write_texts_(std::move(write_texts)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) write_texts_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> write_texts_;
};

}  // namespace

void KeepTranslated(QWidget* widget, std::function<void()> write_texts) {
  write_texts();
  new LanguageWatcher(widget, std::move(write_texts));
}

}  // namespace scorvane

#include "widgets/leave_check.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QObject>

namespace scorvane {
namespace {

class LeaveFilter : public QObject {
 public:
  LeaveFilter(QWidget* field, std::function<void()> check)
      : QObject(field), check_(std::move(check)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusOut || running_) return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    const QWidget* next = QApplication::focusWidget();
    if (next && qobject_cast<const QDialogButtonBox*>(next->parentWidget())) return false;
    // A combo box's own line edit or list is part of the field.
    if (next && watched->isWidgetType() && static_cast<QWidget*>(watched)->isAncestorOf(next))
      return false;
    running_ = true;
    check_();
    running_ = false;
    return false;
  }

 private:
  std::function<void()> check_;
  bool running_ = false;
};

}  // namespace

void CheckOnLeaving(QWidget* field, std::function<void()> check) {
  field->installEventFilter(new LeaveFilter(field, std::move(check)));
}

}  // namespace scorvane

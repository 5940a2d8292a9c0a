#include "tests/support/ui/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>

#include "tests/support/ui/widget_input.h"

namespace scorvane::testing {
namespace {

// Closes a modal window the way Escape would, so that the code waiting on
// it goes on.
void Dismiss(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

class ModalAnswers : public QObject {
 public:
  ModalAnswers() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
  }

  void Push(ModalAnswer answer) {
    if (GaveUp()) return;
    answers_.push_back(std::move(answer));
    timer_.start();
  }
  int Pending() const { return static_cast<int>(answers_.size()); }
  void Clear() {
    answers_.clear();
    busy_.clear();
    gave_up_ = false;
    timer_.stop();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && busy_.contains(watched)) {
      watched->removeEventFilter(this);
      busy_.removeAll(watched);
    }
    return false;
  }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (GaveUp()) {
      if (modal) Dismiss(modal);
      return;
    }
    if (answers_.empty()) {
      timer_.stop();
      return;
    }
    if (!modal || busy_.contains(modal) || !modal->isVisible()) return;
    busy_.append(modal);
    modal->installEventFilter(this);
    ModalAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    // Answered from an event of its own rather than from this timer, which
    // Qt never fires again while its slot runs: an answer that opens the
    // next modal window (a button that runs a dialog) leaves the timer free
    // to answer that one too.
    QTimer::singleShot(0, modal, [this, answer = std::move(answer), modal] {
      const QPointer<QObject> answered(modal);
      answer(modal);
      // Open still (a chooser that stays after its dialog): it may take a
      // later answer.
      busy_.removeAll(answered);
      busy_.removeAll(nullptr);
      if (QTest::currentTestFailed()) GiveUp();
    });
  }

  // A check failed inside an answer, which returned early and may have left
  // its window open: every modal window is closed, now and until the test
  // function ends, so that the test fails at once instead of waiting for
  // an answer that will never come.
  void GiveUp() {
    answers_.clear();
    gave_up_ = true;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && window->isModal()) Dismiss(window);
    }
  }
  // Whether the failed test function is still running.
  bool GaveUp() {
    if (gave_up_ && !QTest::currentTestFailed()) gave_up_ = false;
    return gave_up_;
  }

  QTimer timer_;
  std::deque<ModalAnswer> answers_;
  // The windows whose answer is under way: an answer that opens another
  // modal window leaves its own window open underneath, and that one must
  // not take the next answer while the window after it is still to come.
  QList<QPointer<QObject>> busy_;
  bool gave_up_ = false;
};

ModalAnswers& Answers() {
  static ModalAnswers* answers = new ModalAnswers;
  return *answers;
}

}  // namespace

void AnswerNextModal(ModalAnswer answer) {
  Answers().Push(std::move(answer));
}

void ClickInNextModal(const QString& button_name) {
  AnswerNextModal([button_name](QWidget* modal) {
    // A window left open would wait forever for its answer.
    if (!ClickButton(modal, button_name)) modal->close();
  });
}

void TypeNameInNextModal(const QString& name) {
  AnswerNextModal([name](QWidget* modal) {
    ReplaceText(modal->findChild<QLineEdit*>(QStringLiteral("nameEdit")), name);
    if (!ClickButton(modal, QStringLiteral("okButton"))) modal->close();
  });
}

void EscapeNextModal() {
  AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
}

int PendingModalAnswers() {
  return Answers().Pending();
}

void ClearModalAnswers() {
  Answers().Clear();
}

}  // namespace scorvane::testing

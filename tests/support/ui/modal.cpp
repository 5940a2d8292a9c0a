#include "tests/support/ui/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>

#include "tests/support/ui/widget_input.h"

namespace scorvane::testing {
namespace {

class ModalAnswers : public QObject {
 public:
  ModalAnswers() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
  }

  void Push(ModalAnswer answer) {
    answers_.push_back(std::move(answer));
    timer_.start();
  }
  int Pending() const { return static_cast<int>(answers_.size()); }
  void Clear() {
    answers_.clear();
    timer_.stop();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched == busy_) {
      busy_->removeEventFilter(this);
      busy_ = nullptr;
    }
    return false;
  }

 private:
  void Poll() {
    if (answers_.empty()) {
      timer_.stop();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == busy_ || !modal->isVisible()) return;
    busy_ = modal;
    modal->installEventFilter(this);
    ModalAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    // Answered from an event of its own rather than from this timer, which
    // Qt never fires again while its slot runs: an answer that opens the
    // next modal window (a button that runs a dialog) leaves the timer free
    // to answer that one too.
    QTimer::singleShot(0, modal, [answer = std::move(answer), modal] { answer(modal); });
  }

  QTimer timer_;
  std::deque<ModalAnswer> answers_;
  QPointer<QWidget> busy_;
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

#include "shell/window/smiley.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace scorvane {

Smiley::Smiley(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("smiley"));
  setCursor(Qt::ArrowCursor);
  timer_->setObjectName(QStringLiteral("smileyPoll"));
  timer_->setInterval(kPollMs);
  connect(timer_, &QTimer::timeout, this, &Smiley::Poll);
  // The pointer's motion over any window of the program, its leaving them,
  // the program's activation and the window's minimising all pass here.
  qApp->installEventFilter(this);
}

Smiley::~Smiley() {
  qApp->removeEventFilter(this);
}

double Smiley::EyeRadius() const {
  return 0.9 * std::min(width() / 4.0, height() / 2.0);
}

bool Smiley::IsPolling() const {
  return timer_->isActive();
}

QPointF Smiley::PupilCentre(QPointF centre, double eye, double pupil, QPointF pointer) {
  const QPointF towards = (pointer - centre) / 2.0;
  const double distance = std::hypot(towards.x(), towards.y());
  const double limit = std::max(0.0, eye - pupil);
  if (distance <= limit || distance == 0.0) return centre + towards;
  return centre + towards * (limit / distance);
}

void Smiley::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  last_pointer_ = QCursor::pos();
}

void Smiley::hideEvent(QHideEvent* event) {
  timer_->stop();
  QWidget::hideEvent(event);
}

bool Smiley::MayPoll() const {
  const QWidget* top = window();
  return isVisible() && !top->isMinimized() &&
         QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void Smiley::StartPolling() {
  still_polls_ = 0;
  if (MayPoll()) {
    if (!timer_->isActive()) timer_->start();
  } else {
    timer_->stop();
  }
}

bool Smiley::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove:
      // The window system tells a motion to the program's window first; the
      // widgets it passes through would only repeat it.
      if (watched->isWindowType() && isVisible()) {
        Follow();
        timer_->stop();
      }
      break;
    case QEvent::Leave:
      // Out of a window the pointer sends nothing more: look for it.
      if (watched->isWindowType() && isVisible()) StartPolling();
      break;
    case QEvent::ApplicationStateChange:
    case QEvent::WindowStateChange:
      if (watched == qApp || watched == window()) {
        Follow();
        StartPolling();
      }
      break;
    default:
      break;
  }
  return false;
}

bool Smiley::Follow() {
  const QPoint pointer = QCursor::pos();
  if (pointer == last_pointer_) return false;
  last_pointer_ = pointer;
  update();
  return true;
}

void Smiley::Poll() {
  if (!MayPoll()) {
    timer_->stop();
    return;
  }
  if (Follow()) {
    still_polls_ = 0;
  } else if (++still_polls_ >= kStillPolls) {
    timer_->stop();
  }
}

void Smiley::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  const double eye = EyeRadius();
  const double pupil = 0.4 * eye;
  const QPointF pointer = mapFromGlobal(QCursor::pos());
  const double middle_y = height() / 2.0;
  for (const double x : {width() / 4.0, 3.0 * width() / 4.0}) {
    const QPointF centre(x, middle_y);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, eye, eye);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(PupilCentre(centre, eye, pupil, pointer), pupil, pupil);
  }
}

}  // namespace scorvane

#include "shell/window/smiley.h"

#include <QCursor>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace scorvane {

Smiley::Smiley(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("smiley"));
  setCursor(Qt::ArrowCursor);
  timer_.setInterval(kPollMs);
  connect(&timer_, &QTimer::timeout, this, &Smiley::Poll);
}

double Smiley::EyeRadius() const {
  return 0.9 * std::min(width() / 4.0, height() / 2.0);
}

QPointF Smiley::PupilCentre(QPointF centre, double eye, double pupil, QPointF pointer) {
  const QPointF towards = (pointer - centre) / 2.0;
  const double distance = std::hypot(towards.x(), towards.y());
  const double limit = std::max(0.0, eye - pupil);
  if (distance <= limit || distance == 0.0) return centre + towards;
  return centre + towards * (limit / distance);
}

void Smiley::showEvent(QShowEvent* event) {
  timer_.start();
  QWidget::showEvent(event);
}

void Smiley::hideEvent(QHideEvent* event) {
  timer_.stop();
  QWidget::hideEvent(event);
}

void Smiley::Poll() {
  const QPoint pointer = QCursor::pos();
  if (pointer == last_pointer_) return;
  last_pointer_ = pointer;
  update();
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

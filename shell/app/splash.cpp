#include "shell/app/splash.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

namespace scorvane {

QPixmap Splash::Picture() {
  QSvgRenderer renderer(QStringLiteral(":/pictures/splash.svg"));
  QPixmap picture(renderer.defaultSize().isValid() ? renderer.defaultSize() : QSize(480, 300));
  picture.fill(Qt::white);
  QPainter painter(&picture);
  renderer.render(&painter);
  return picture;
}

Splash::Splash() : QSplashScreen(Picture()) {
  setObjectName(QStringLiteral("splash"));
  qApp->installEventFilter(this);
  QTimer::singleShot(kDisplayMs, this, &QWidget::close);
}

Splash::~Splash() {
  qApp->removeEventFilter(this);
}

bool Splash::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
      if (isVisible()) {
        close();
        return true;
      }
      break;
    default:
      break;
  }
  return QSplashScreen::eventFilter(watched, event);
}

}  // namespace scorvane

// The splash picture shown while the main window is being built: removed
// after 3.5 seconds, or at once by any key or mouse button, which it
// swallows so that the click meant for it does not reach the window below.
#pragma once

#include <QSplashScreen>

namespace scorvane {

class Splash : public QSplashScreen {
  Q_OBJECT

 public:
  static constexpr int kDisplayMs = 3500;

  Splash();
  ~Splash() override;

  // The picture, drawn at the given size.
  static QPixmap Picture();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace scorvane

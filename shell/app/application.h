// The desktop program's application object.
#pragma once

#include <QApplication>

namespace scorvane {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);
};

}  // namespace scorvane

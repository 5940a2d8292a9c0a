// scorvane: the desktop program.
#include <QMainWindow>

#include "shell/app/application.h"

int main(int argc, char** argv) {
  scorvane::Application app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Scorvane");
  window.show();
  return app.exec();
}

#include "shell/app/application.h"

namespace scorvane {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName("Zezovu");
  setApplicationName("Scorvane");
  // Answered to --version.
  setApplicationVersion(QStringLiteral(SCORVANE_VERSION));
}

}  // namespace scorvane

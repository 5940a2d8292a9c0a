// scorvane: the desktop program.
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "shell/app/application.h"
#include "shell/app/program.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  scorvane::Application app(argc, argv);
  const scorvane::StartupOptions options = scorvane::ParseCommandLine(app.arguments());
  scorvane::Program program(QCoreApplication::applicationDirPath());
  if (!program.Start(options)) return program.ExitCode();
  if (options.measure_startup) {
    // Runs once the events of showing the window (and its first paint) are done.
    QTimer::singleShot(0, &app, [&clock] {
      std::printf("startup_ms %lld\n", static_cast<long long>(clock.elapsed()));
      std::fflush(stdout);
      QCoreApplication::quit();
    });
  }
  return app.exec();
}

// Takes the pictures of the program shown in the documentation: the main
// window on a document, the welcome dialog, and a printed page as PDF.
//
//   take_screenshots DOCUMENT.ten OUT_FOLDER   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "records/dates.h"
#include "shell/app/program.h"
#include "shell/app/welcome_dialog.h"
#include "shell/print/page_printer.h"
#include "shell/window/main_window.h"
#include "shell/window/page_view.h"
#include "tests/support/ui/widget_environment.h"

using namespace scorvane;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_screenshots DOCUMENT.ten OUT_FOLDER\n");
    return 2;
  }
  const QString document = QString::fromLocal8Bit(argv[1]);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  scorvane::testing::WidgetEnvironment environment;
  SetTodayForTesting(std::nullopt);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));

  Program program(QCoreApplication::applicationDirPath());
  if (!program.Prepare()) return 1;
  {
    WelcomeDialog welcome;
    welcome.Prepare();
    welcome.resize(600, 380);
    welcome.show();
    QCoreApplication::processEvents();
    welcome.grab().save(out.filePath("welcome.png"));
  }
  StartupOptions options;
  options.file = document;
  options.splash_allowed = false;
  if (!program.Start(options)) return 1;
  MainWindow& window = *program.Window();
  window.showNormal();
  window.resize(1000, 640);
  QCoreApplication::processEvents();
  window.grab().save(out.filePath("main_window.png"));
  window.ShowPage(PageView::kMatches);
  QCoreApplication::processEvents();
  ExportPdf(*window.Frame().CurrentView()->PrintContent(), out.filePath("printed_page.pdf"));
  program.Document().SetModifiedFlag(false);
  return 0;
}

// Takes the pictures that show the program at two window sizes: every page
// in a window of 800 x 600 (a small screen) and of 1600 x 1000, and the
// printed matches list of the document as pictures of its pages (drawn from
// the PDF export by pdftoppm).
//
//   take_size_screenshots DOCUMENT.ten OUT_FOLDER   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <cstdio>

#include "base/dates.h"
#include "shell/app/program.h"
#include "shell/window/main_window.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/page_view.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;

namespace {

// File names of the pages, by page number.
constexpr const char* kPageNames[] = {"matches", "players",  "own_page", "summary",
                                      "report",  "finances", "clubs",    "statistics"};

void SavePages(MainWindow& window, QSize size, const QDir& out) {
  window.showNormal();
  window.resize(size);
  for (int page = 1; page <= 8; ++page) {
    window.ShowPage(page);
    QCoreApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("%1x%2_%3_%4.png")
                                        .arg(size.width())
                                        .arg(size.height())
                                        .arg(page)
                                        .arg(QLatin1String(kPageNames[page - 1]))));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_size_screenshots DOCUMENT.ten OUT_FOLDER\n");
    return 2;
  }
  const QString document = QString::fromLocal8Bit(argv[1]);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  scorvane::testing::WidgetEnvironment environment;
  SetTodayForTesting(std::nullopt);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));

  Program program(QCoreApplication::applicationDirPath());
  if (!program.Prepare()) return 1;
  StartupOptions options;
  options.file = document;
  options.splash_allowed = false;
  if (!program.Start(options)) return 1;
  MainWindow& window = *program.Window();
  for (const QSize size : {QSize(800, 600), QSize(1600, 1000)})
    SavePages(window, size, out);

  window.ShowPage(PageView::kMatches);
  const QString pdf = out.filePath(QStringLiteral("printed_matches.pdf"));
  if (!ExportPdf(*window.Frame().CurrentView()->PrintContent(), pdf)) return 1;
  const int drawn =
      QProcess::execute(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                         out.filePath(QStringLiteral("printed_matches"))});
  QFile::remove(pdf);
  program.Document().SetModifiedFlag(false);
  return drawn == 0 ? 0 : 1;
}

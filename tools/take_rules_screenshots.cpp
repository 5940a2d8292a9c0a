// Takes the pictures of the estimate under today's French rules: the report
// page under the 2019 and the 2026 rules, in English and in French, and the
// "what if" panel with two planned wins.
//
//   take_rules_screenshots DOCUMENT.ten OUT_FOLDER   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <cstdio>

#include "base/catalogue/messages.h"
#include "pages/common/rules_choice.h"
#include "pages/report/report_page.h"
#include "shell/app/language.h"
#include "shell/app/program.h"
#include "shell/window/main_window.h"
#include "tests/support/ui/widget_environment.h"

using namespace scorvane;

namespace {

void Take(MainWindow& window, int rules, const QDir& out, const QString& name) {
  ChooseFrenchRules(rules);
  window.ShowPage(PageView::kCalculationReport);
  window.Frame().CurrentView()->Refresh();
  QCoreApplication::processEvents();
  window.grab().save(out.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_rules_screenshots DOCUMENT.ten OUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  scorvane::testing::WidgetEnvironment environment;
  SetTodayForTesting(std::nullopt);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
  Program program(QCoreApplication::applicationDirPath());
  if (!program.Prepare()) return 1;
  StartupOptions options;
  options.file = QString::fromLocal8Bit(argv[1]);
  options.splash_allowed = false;
  if (!program.Start(options)) return 1;
  MainWindow& window = *program.Window();
  window.showNormal();
  window.resize(1100, 700);

  Take(window, 2019, out, QStringLiteral("report_rules_2019_en.png"));
  Take(window, 2026, out, QStringLiteral("report_rules_2026_en.png"));
  // Two planned wins over a 15/2 under the 2026 rules.
  PlannedMatches() = {{11, true}, {11, true}};
  Take(window, 2026, out, QStringLiteral("report_what_if.png"));
  PlannedMatches().clear();
  QSettings user(QSettings::UserScope, QStringLiteral("Zezovu"), QStringLiteral("Scorvane"));
  if (!LanguageSwitch::Instance().Apply(kLanguageFrench, user)) return 1;
  Take(window, 2019, out, QStringLiteral("report_rules_2019_fr.png"));
  Take(window, 2026, out, QStringLiteral("report_rules_2026_fr.png"));
  return 0;
}

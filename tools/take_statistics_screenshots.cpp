// Takes the pictures of the statistics page (a pie and a bar chart) and of
// the season summary under the French and the Belgian systems, on generated
// records, for the documentation.
//
//   take_statistics_screenshots OUT_FOLDER [--lang fr]   (on the offscreen platform)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QTest>
#include <cstdio>

#include "pages/common/charts/match_chart_panel.h"
#include "pages/statistics/statistics_page.h"
#include "pages/summary/summary_page.h"
#include "ranking/ranking_registry.h"
#include "records/document.h"
#include "records/document_generator.h"
#include "tests/support/ui/widget_environment.h"
#include "tools/screenshot_language.h"
#include "widgets/current_document.h"

using namespace scorvane;

namespace {

// A record of three seasons under the active system.
void Generate(PROJECT_DOC& document) {
  SetCurrentDocument(&document);
  GeneratorOptions options;
  options.matches = 90;
  options.seasons = 3;
  options.first_season = 1999;
  GenerateDocument(document, options);
  document.SetModifiedFlag(false);
}

template <class Page>
void Save(Page& page, int chart, const QDir& out, const char* name) {
  page.show();
  QComboBox& choice = page.ChartPanel().Choice();
  choice.setFocus();
  while (choice.currentIndex() < chart)
    QTest::keyClick(&choice, Qt::Key_Down);
  QCoreApplication::processEvents();
  page.grab().save(out.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool french = tools::TakeFrenchOption(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: take_statistics_screenshots OUT_FOLDER [--lang fr]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  scorvane::testing::WidgetEnvironment environment;
  tools::UseLanguage(french);
  {
    PROJECT_DOC document;
    Generate(document);
    PAGE_GRAPHIQUES statistics;
    statistics.InitialUpdate();
    statistics.resize(900, 680);
    Save(statistics, 0, out, "statistics_pie.png");
    Save(statistics, 4, out, "statistics_bars.png");
    PAGE_SAISON summary;
    summary.InitialUpdate();
    summary.resize(900, 680);
    Save(summary, 2, out, "summary_french.png");
    SetCurrentDocument(nullptr);
  }
  {
    Registry().SetActive(&Registry().Belgian());
    PROJECT_DOC document;
    Generate(document);
    PAGE_SAISON summary;
    summary.InitialUpdate();
    summary.resize(900, 680);
    Save(summary, 0, out, "summary_belgian.png");
    SetCurrentDocument(nullptr);
  }
  return 0;
}

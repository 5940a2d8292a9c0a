// Takes the pictures of the program shown in the documentation: the main
// window on a document, the welcome dialog, the season, owner, item editor
// and match viewer dialogs, the matches page grouped by events, and a
// printed page as PDF.
//
//   take_screenshots DOCUMENT.ten OUT_FOLDER [--lang fr]   (on the offscreen platform)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "base/dates.h"
#include "pages/common/lists/item_editor_dialog.h"
#include "pages/common/matches/match_viewer.h"
#include "pages/common/rankings/ranking_evolution_dialog.h"
#include "pages/common/seasons/season_dialog.h"
#include "pages/matches/matches_page.h"
#include "pages/own/own_page.h"
#include "pages/own/owner_dialog.h"
#include "pages/report/report_page.h"
#include "pages/report/scales_dialog.h"
#include "pages/service/service_odds_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "records/season.h"
#include "shell/app/program.h"
#include "shell/app/welcome_dialog.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/widget_environment.h"
#include "tools/screenshot_language.h"
#include "widgets/catalogue_text.h"
#include "widgets/current_document.h"
#include "widgets/listview/list_control.h"
#include "widgets/page_view.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;

namespace {

void Save(QWidget& widget, const QDir& out, const char* name) {
  widget.show();
  QCoreApplication::processEvents();
  widget.grab().save(out.filePath(name));
}

// The dialogs of the document's seasons and lists, as the user sees them.
void SaveDialogs(PROJECT_DOC& document, QWidget* parent, const QDir& out) {
  UTILISATEUR& owner = document.Owner();
  {
    DLG_SAISIE_UTILISATEUR dialog(document, parent);
    Save(dialog, out, "owner_dialog.png");
  }
  if (const auto proposal = ProposeNewSeason(owner, 0, Today().Year())) {
    DLG_NOUVELLE_SAISON dialog(owner, SeasonDialogMode::kNew, proposal->year, proposal->ranking,
                               parent);
    Save(dialog, out, "season_dialog.png");
  }
  {
    ItemEditList items = ItemsOf(owner, ItemKind::kCategories);
    DLG_MODIF_RUBRIQUES dialog(items, WordsFor(ItemKind::kCategories), parent);
    Save(dialog, out, "item_editor.png");
  }
  const SAISON_JOUEUR* season = owner.GetActiveSeason();
  if (season && season->Palmares()) {
    DLG_VISU_RENCONTRES dialog(CatalogueText(38),  // "Selected matches"
                               season->Palmares()->Matches(), parent);
    Save(dialog, out, "match_viewer.png");
  }
  {
    DLG_BAREMES dialog(french::ScalesTableKind::kNorms, parent);
    dialog.resize(560, 520);
    Save(dialog, out, "scales_norms.png");
  }
  {
    DLG_PROBAS_SERVICE dialog(parent);
    Save(dialog, out, "service_calculator.png");
  }
  {
    DLG_EVOLUTION_CLASSEMENT dialog(document, owner, parent);
    Save(dialog, out, "ranking_evolution.png");
  }
}

// The report page under the Belgian system, on a small record of its own.
void SaveBelgianReport(const QDir& out) {
  PROJECT_DOC* previous = CurrentDocument();
  SYSTEME_CLASSEMENT* system = &ActiveSystem();
  {
    PROJECT_DOC document;
    SetCurrentDocument(&document);
    Registry().SetActive(&Registry().Belgian());
    document.Owner().SetFirstName("Luc");
    document.Owner().SetLastName("Peeters");
    scorvane::testing::DocumentBuilder b(document.Owner());
    b.Season(2001, "30.2");
    EPREUVE_JOUEE* open = b.Tournament("Open de Namur", DATE_SIMPLE(6, 5, 2001));
    const struct {
      const char* first;
      const char* last;
      const char* grade;
      bool won;
    } matches[] = {{"Jan", "Claes", "30.2", true},
                   {"Marc", "Dubois", "30", true},
                   {"Tom", "Maes", "30.4", true},
                   {"Eric", "Lambert", "15.4", false},
                   {"Paul", "Wouters", "30.2", true}};
    for (const auto& match : matches) {
      b.Singles(open, b.Player(match.first, match.last, {{2001, match.grade}, {2002, match.grade}}),
                match.won, match.won ? "6/3 6/4" : "3/6 4/6");
    }
    DETAILS_FFT page;
    page.resize(760, 620);
    page.InitialUpdate();
    Save(page, out, "report_belgian.png");
    SetCurrentDocument(nullptr);
  }
  Registry().SetActive(system);
  SetCurrentDocument(previous);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool french = tools::TakeFrenchOption(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_screenshots DOCUMENT.ten OUT_FOLDER [--lang fr]\n");
    return 2;
  }
  const QString document = QString::fromLocal8Bit(argv[1]);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  scorvane::testing::WidgetEnvironment environment;
  SetTodayForTesting(std::nullopt);
  tools::UseLanguage(french);

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
  // The own page's four charts.
  auto* own = static_cast<PAGE_PERSO*>(window.Frame().Page(PageView::kOwnPage));
  for (int chart = 0; chart < own->ChartChoice()->count(); ++chart) {
    own->ChartChoice()->setCurrentIndex(chart);
    emit own->ChartChoice()->activated(chart);
    QCoreApplication::processEvents();
    own->grab().save(out.filePath(QStringLiteral("own_page_chart%1.png").arg(chart)));
  }
  SaveDialogs(program.Document(), &window, out);
  window.ShowPage(PageView::kCalculationReport);
  QCoreApplication::processEvents();
  window.grab().save(out.filePath("report_french.png"));
  ExportPdf(*window.Frame().CurrentView()->PrintContent(), out.filePath("printed_report.pdf"));
  SaveBelgianReport(out);
  window.ShowPage(PageView::kMatches);
  auto* matches = static_cast<PAGE_PALMARES*>(window.Frame().CurrentView());
  const bool grouped = matches->GroupsByEvents();
  matches->SetGroupsByEvents(true);
  matches->List().SelectItem(2);
  QCoreApplication::processEvents();
  window.grab().save(out.filePath("matches_page.png"));
  matches->SetGroupsByEvents(grouped);
  ExportPdf(*window.Frame().CurrentView()->PrintContent(), out.filePath("printed_page.pdf"));
  window.ShowPage(PageView::kPlayers);
  QCoreApplication::processEvents();
  window.grab().save(out.filePath("players_page.png"));
  window.ShowPage(PageView::kClubs);
  QCoreApplication::processEvents();
  window.grab().save(out.filePath("clubs_page.png"));
  program.Document().SetModifiedFlag(false);
  return 0;
}

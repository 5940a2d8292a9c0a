// Takes the pictures of match entry shown in the documentation: the match
// dialog on a singles match under the French system and on a doubles match
// under the Belgian one, the event dialog, the similar-player question and
// the preview of a match import with one refused line.
//
//   take_match_screenshots DOCUMENT.ten OUT_FOLDER [--lang fr]   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <cstdio>

#include "pages/common/matches/event_dialog.h"
#include "pages/common/matches/match_dialog.h"
#include "pages/common/players/similar_player_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/palmares.h"
#include "records/season.h"
#include "shell/dialogs/import_preview_dialog.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/widget_environment.h"
#include "tools/screenshot_language.h"
#include "widgets/current_document.h"

using namespace scorvane;

namespace {

void Save(QWidget& dialog, const QDir& out, const char* name) {
  dialog.show();
  dialog.adjustSize();
  QCoreApplication::processEvents();
  dialog.grab().save(out.filePath(QLatin1String(name)));
  dialog.hide();
}

// The first match of the season of the kind asked for.
RENCONTRE* FirstMatch(const SAISON_JOUEUR& season, bool singles) {
  if (!season.Palmares()) return nullptr;
  for (RENCONTRE* match : season.Palmares()->Matches()) {
    if (match->IsSingles() == singles && match->Result().IsWon()) return match;
  }
  return nullptr;
}

// A small Belgian record: one interclub day with a doubles match.
void BelgianDoubles(const QDir& out) {
  Registry().SetActive(&Registry().Belgian());
  PROJECT_DOC document;
  SetCurrentDocument(&document);
  document.AddDefaultContents();
  scorvane::testing::DocumentBuilder b(document.Owner());
  document.Owner().SetFirstName("Luc");
  document.Owner().SetLastName("Peeters");
  SAISON_JOUEUR* season = b.Season(2001, "15.2");
  EPREUVE_JOUEE* interclub = b.Event("Interclubs Brabant", EPREUVE::kHomologated,
                                     EPREUVE::kTeamEvent, DATE_SIMPLE(13, 5, 2001));
  RENCONTRE_DOUBLE* match =
      b.Doubles(interclub, b.Player("Marc", "Janssens", {{2001, "15"}}),
                b.Player("Koen", "Maes", {{2001, "+4/6"}}),
                b.Player("Tom", "Claes", {{2001, "15.4"}}), true, "6/3 4/6 7/5");
  match->SetPlace("TC Leuven");
  match->SetSurface(document.Owner().Surfaces().Front());
  DLG_SAISIE_RENCONTRE dialog(document.Owner(), *season, *match);
  dialog.Sheet()->setCurrentIndex(2);
  Save(dialog, out, "match_dialog_doubles_belgian.png");
  SetCurrentDocument(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool french = tools::TakeFrenchOption(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: take_match_screenshots DOCUMENT.ten OUT_FOLDER [--lang fr]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  scorvane::testing::WidgetEnvironment environment;
  tools::UseLanguage(french);
  PROJECT_DOC document;
  SetCurrentDocument(&document);
  if (!document.Read(QString::fromLocal8Bit(argv[1]).toStdString()).ok()) return 1;
  document.AdoptSameSystem();
  UTILISATEUR& owner = document.Owner();
  SAISON_JOUEUR* season = owner.GetActiveSeason();
  RENCONTRE* singles = season ? FirstMatch(*season, true) : nullptr;
  if (!singles) return 1;
  {
    DLG_SAISIE_RENCONTRE dialog(owner, *season, *singles);
    Save(dialog, out, "match_dialog_singles_french.png");
  }
  if (EPREUVE_JOUEE* played = singles->GetPlayedEvent()) {
    DLG_SAISIE_EPREUVE dialog(owner, season->Year(),
                              {played->Event(), played, ValuesOfPlayed(*played)});
    Save(dialog, out, "event_dialog.png");
  }
  {
    DLG_JOUEURS_SEMBLABLES dialog(*static_cast<RENCONTRE_SIMPLE*>(singles)->Opponent());
    Save(dialog, out, "similar_player.png");
  }
  {
    const ImportPlan plan =
        PlanMatchImport(owner,
                        "Date;Épreuve;Prénom;Nom;Classement;Résultat;Score;"
                        "Météo\n"
                        "12/05/2001;Open de Lyon;Hugo;Bernard;15;V;6-4 6-2;"
                        "soleil\n"
                        "13/05/2001;Open de Lyon;Léa;Girard;15/7;D;4-6 3-6;"
                        "vent\n"
                        "20/05/2001;Tournoi de Bron;Marc;Petit;30/2;V;7-5 6-4;\n",
                        ImportOptions{});
    ImportPreviewDialog dialog(plan, QStringLiteral("matches.csv"));
    Save(dialog, out, "import_preview.png");
  }
  SetCurrentDocument(nullptr);
  BelgianDoubles(out);
  return 0;
}

// Takes the pictures of the ranking dialogs shown in the documentation: the
// system selection, the system editor, one ranking at a date, a ranking
// history and the translation question.
//
//   take_ranking_screenshots OUT_FOLDER   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QTreeWidget>
#include <cstdio>

#include "pages/common/rankings/ranking_date_dialog.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "pages/rankings/grade_list_editor.h"
#include "pages/rankings/system_editor_dialog.h"
#include "pages/rankings/system_selection_dialog.h"
#include "pages/rankings/translation_dialog.h"
#include "ranking/ranking_registry.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/widget_environment.h"
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

SYSTEME_CLASSEMENT ClubLadder() {
  SYSTEME_CLASSEMENT system;
  system.SetTitle("Club ladder");
  system.SetEnglishDescription("The ladder of our club\nGrades: D2, D1, C2, C1, B2, B1, A");
  system.SetYearly(true);
  for (const char* grade : {"D2", "D1", "C2", "C1", "B2", "B1", "A"})
    system.AddGrade(grade);
  return system;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: take_ranking_screenshots OUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  scorvane::testing::WidgetEnvironment environment;
  const SYSTEME_CLASSEMENT ladder = ClubLadder();
  if (!ladder.WriteFile()) return 1;

  {
    DLG_SELECTION_SYSCLASS dialog(DLG_SELECTION_SYSCLASS::Mode::kSelection);
    dialog.resize(560, 420);
    for (size_t line = 0; line < dialog.Lines().size(); ++line) {
      if (dialog.Lines()[line].system == &Registry().French())
        dialog.SelectLine(static_cast<int>(line));
    }
    Save(dialog, out, "ranking_system_selection.png");
  }
  {
    DLG_EDITION_SYSCLASS dialog(ladder, SYSTEME_CLASSEMENT::FileFor(ladder.Title()));
    dialog.GradeList()->SelectLine(2);
    Save(dialog, out, "ranking_system_editor.png");
  }
  {
    CLASSEMENT_DATE entry(CLASSEMENT(9), DATE_SIMPLE(1, 1, 2001), "After the winter series");
    DLG_EDIT_UN_CLASSEMENT dialog(entry);
    Save(dialog, out, "ranking_entry_yearly.png");
  }
  PROJECT_DOC document;
  SetCurrentDocument(&document);
  {
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    CLASSEMENT_DATE entry(CLASSEMENT(57), DATE_SIMPLE(14, 7, 2001), "");
    DLG_EDIT_UN_CLASSEMENT dialog(entry);
    Save(dialog, out, "ranking_entry_dated.png");
    Registry().SetActive(nullptr);
  }
  {
    scorvane::testing::DocumentBuilder builder(document.Owner());
    JOUEUR* paul =
        builder.Player("Paul", "Martin", {{1998, "30/2"}, {1999, "30/1"}, {2000, "15/5"}});
    paul->History().Entries().At(2)->SetNote("Promoted in autumn");
    DLG_EDIT_CLASSEMENTS dialog(document, *paul, paul->History().Entries().At(2));
    Save(dialog, out, "ranking_history.png");
  }
  {
    Registry().SetActive(&Registry().Belgian());
    DLG_TRADUCTION_CLASSEMENT dialog("30/5");
    Save(dialog, out, "ranking_translation.png");
    Registry().SetActive(nullptr);
  }
  SetCurrentDocument(nullptr);
  return 0;
}

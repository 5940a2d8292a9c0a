// Takes the pictures of the new-document questions shown in the
// documentation, by running them as a user does: the owner, the ranking
// system, the first season and the first ranking (asked under a system
// that is not yearly).
//
//   take_wizard_screenshots OUT_FOLDER   (on the offscreen platform)
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <cstdio>

#include "base/dates.h"
#include "pages/rankings/system_selection_dialog.h"
#include "shell/window/document_session.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"
#include "tests/support/ui/widget_input.h"
#include "widgets/current_document.h"
#include "widgets/ranking_entry.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// Pictures the dialog as it stands, then presses its OK button.
void SaveThenOk(QWidget* modal, const QDir& out, const char* name) {
  QCoreApplication::processEvents();
  modal->grab().save(out.filePath(QLatin1String(name)));
  ClickButton(modal, "okButton");
}

void Type(QWidget* modal, const char* name, const char* text) {
  if (auto* edit = modal->findChild<QLineEdit*>(name)) ReplaceText(edit, text);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: take_wizard_screenshots OUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  WidgetEnvironment environment;
  SetTodayForTesting(std::nullopt);
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));

  PROJECT_DOC document;
  SetCurrentDocument(&document);
  DocumentSession session(document, environment.Path("program"));

  AnswerNextModal([&](QWidget* modal) {
    Type(modal, "firstNameEdit", "Anne");
    Type(modal, "lastNameEdit", "Martin");
    SaveThenOk(modal, out, "new_document_1_owner.png");
  });
  AnswerNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
    for (size_t i = 0; dialog && i < dialog->Lines().size(); ++i) {
      if (dialog->Lines()[i].title == "ATP Tour") dialog->SelectLine(static_cast<int>(i));
    }
    SaveThenOk(modal, out, "new_document_2_system.png");
  });
  AnswerNextModal([&](QWidget* modal) { SaveThenOk(modal, out, "new_document_3_season.png"); });
  AnswerNextModal([&](QWidget* modal) {
    if (auto* entry = modal->findChild<RankingEntry*>("ranking")) {
      ReplaceText(entry->Number(), "412");
    }
    Type(modal, "note", "First ATP ranking");
    SaveThenOk(modal, out, "new_document_4_ranking.png");
  });
  const bool made = session.NewDocument(true);
  document.SetModifiedFlag(false);
  SetCurrentDocument(nullptr);
  return made && PendingModalAnswers() == 0 ? 0 : 1;
}

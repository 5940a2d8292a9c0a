// Guards the new-document questions driven through their real dialogs, their
// back steps, and the document each way of ending leaves.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "pages/rankings/system_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/season.h"
#include "shell/app/program.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/ranking_entry.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

void Type(QWidget* modal, const char* name, const QString& text) {
  auto* edit = modal->findChild<QLineEdit*>(name);
  QVERIFY2(edit, name);
  ReplaceText(edit, text);
}

void Click(QWidget* modal, const char* name) {
  QVERIFY2(ClickButton(modal, name), name);
}

// The owner dialog: types both names, then OK.
void AnswerOwner(const QString& first, const QString& last) {
  AnswerNextModal([first, last](QWidget* modal) {
    QCOMPARE(modal->objectName(), QStringLiteral("ownerDialog"));
    Type(modal, "firstNameEdit", first);
    Type(modal, "lastNameEdit", last);
    Click(modal, "okButton");
  });
}

// The system selection: the built-in line with this title, then OK. When
// given, `shown` is the system the dialog must come back with.
void AnswerSystem(const std::string& title, const QString& shown = {}) {
  AnswerNextModal([title, shown](QWidget* modal) {
    auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
    QVERIFY(dialog);
    if (!shown.isEmpty()) {
      QCOMPARE(dialog->TitleText()->text(), shown);
      QVERIFY(dialog->OkButton()->isEnabled());
    }
    const auto& lines = dialog->Lines();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].built_in && lines[i].title == title) dialog->SelectLine(static_cast<int>(i));
    }
    if (!dialog->OkButton()->isEnabled()) {
      modal->close();
      QFAIL(("no system " + title).c_str());
    }
    Click(modal, "okButton");
  });
}

// A dialog of this name, closed by one of its buttons.
void PressIn(const QString& dialog_name, const char* button) {
  AnswerNextModal([dialog_name, button](QWidget* modal) {
    QCOMPARE(modal->objectName(), dialog_name);
    Click(modal, button);
  });
}

}  // namespace

class NewDocumentWizardTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedPrompt> prompt_;
  // A dialog that opened when none should have.
  QString unexpected_;

  // A window on a saved document with the seasons 2000 and 2001.
  void OpenTwoSeasons() {
    DocumentBuilder builder(Owner());
    builder.Season(2000, "30/1");
    builder.Season(2001, "30");
    Doc().SetModifiedFlag(false);
    OpenWindow();
  }

  // Runs File New, answering Yes to "close the current document".
  bool FileNew() {
    prompt_->Script({ScriptedPrompt::Answer::kYes});
    return Session().NewDocument(false);
  }

  // After the answers queued: one more dialog would be a fault.
  void ExpectNoFurtherDialog() {
    AnswerNextModal([this](QWidget* modal) {
      unexpected_ = modal->objectName();
      modal->close();
    });
  }
  void CheckNoFurtherDialog() {
    QCOMPARE(unexpected_, QString());
    QCOMPARE(PendingModalAnswers(), 1);
    ClearModalAnswers();
  }

 private slots:
  void init() {
    WindowFixture::init();
    Doc().SetTitle("Moi");
    prompt_ = std::make_unique<ScriptedPrompt>();
    SetUserPrompt(prompt_.get());
    unexpected_.clear();
  }
  void cleanup() {
    SetUserPrompt(nullptr);
    WindowFixture::cleanup();
  }

  void CancellingTheSystemGoesBackToTheOwnerAsTyped() {
    OpenTwoSeasons();
    AnswerOwner("Anne", "Martin");
    PressIn("systemSelection", "cancelButton");
    QString first_shown;
    QString last_shown;
    AnswerNextModal([&](QWidget* modal) {
      first_shown = modal->findChild<QLineEdit*>("firstNameEdit")->text();
      last_shown = modal->findChild<QLineEdit*>("lastNameEdit")->text();
      Click(modal, "cancelButton");
    });
    QVERIFY(FileNew());
    QCOMPARE(first_shown, QStringLiteral("Anne"));
    QCOMPARE(last_shown, QStringLiteral("Martin"));
    QCOMPARE(prompt_->asked, std::vector<std::string>({"Do you really want to close the current "
                                                       "document to create a new one ?"}));
    // Cancelled at the owner: the default document replaces the two seasons
    // and what was typed.
    QCOMPARE(Owner().GetRawFirstName(), std::string("Moi"));
    QCOMPARE(Owner().Seasons().Count(), 1);
    QCOMPARE(Owner().GetActiveSeason()->Year(), 2001);
    QCOMPARE(Owner().History().Entries().Front()->Ranking().Value(), CLASSEMENT::Worst().Value());
    QCOMPARE(Doc().Title(), std::string("Moi"));
    QVERIFY(Window().windowTitle().startsWith(QStringLiteral("Scorvane - File : Moi")));
  }

  // Cancelling the season goes back to the system, showing the one chosen; a
  // yearly one ends there.
  void YearlySystemEndsWithTheSeason() {
    OpenTwoSeasons();
    AnswerOwner("Anne", "Martin");
    AnswerSystem("ATP Tour");
    PressIn("seasonDialog", "cancelButton");
    AnswerSystem("Netherlands", "ATP Tour");
    PressIn("seasonDialog", "okButton");
    ExpectNoFurtherDialog();
    QVERIFY(FileNew());
    CheckNoFurtherDialog();
    QCOMPARE(ActiveSystem().Title(), std::string("Netherlands"));
    QCOMPARE(Owner().Seasons().Count(), 1);
    QCOMPARE(Owner().History().Count(), 1);
    QCOMPARE(Owner().History().Entries().Front()->Date(), DATE_SIMPLE(1, 1, 2001));
    QCOMPARE(Doc().Title(), std::string("Anne_Martin"));
    QVERIFY(Window().windowTitle().startsWith(QStringLiteral("Scorvane - File : Anne_Martin")));
    QCOMPARE(Owner().Surfaces().Front()->Name(), std::string("Resin"));
  }

  void OtherSystemAsksTheFirstRankingAndStepsBack() {
    OpenTwoSeasons();
    AnswerOwner("Anne", "Martin");
    AnswerSystem("ATP Tour");
    PressIn("seasonDialog", "okButton");
    // Cancel at the ranking: the season question again, on the same year,
    // then the ranking question again.
    PressIn("rankingDateDialog", "cancelButton");
    int year_shown = 0;
    AnswerNextModal([&](QWidget* modal) {
      year_shown = modal->findChild<QSpinBox*>("yearBox")->value();
      Click(modal, "okButton");
    });
    AnswerNextModal([](QWidget* modal) {
      QCOMPARE(modal->objectName(), QStringLiteral("rankingDateDialog"));
      auto* entry = modal->findChild<RankingEntry*>("ranking");
      ReplaceText(entry->Number(), "150");
      Type(modal, "note", "first ranking");
      Click(modal, "okButton");
    });
    QVERIFY(FileNew());
    QCOMPARE(year_shown, 2001);
    QCOMPARE(Owner().Seasons().Count(), 1);
    QCOMPARE(Owner().History().Count(), 1);
    const CLASSEMENT_DATE* entry = Owner().History().Entries().Front();
    QCOMPARE(entry->Ranking().Value(), 150);
    QCOMPARE(entry->Note(), std::string("first ranking"));
    QCOMPARE(entry->Date(), DATE_SIMPLE(15, 6, 2001));
    QVERIFY(Doc().IsModified());
  }

  void WelcomeCancelComesBackToTheWelcomeDialog() {
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    ClickInNextModal("newFileButton");
    AnswerOwner("Anne", "Martin");
    PressIn("systemSelection", "cancelButton");
    PressIn("ownerDialog", "cancelButton");
    QString shown_again;
    AnswerNextModal([&](QWidget* modal) {
      shown_again = modal->objectName();
      Click(modal, "quitButton");
    });
    QVERIFY(!program.WelcomeLoop());
    QCOMPARE(shown_again, QStringLiteral("welcomeDialog"));
    QVERIFY(!program.Document().IsModified());
  }

  void WelcomeNewFileThroughEveryQuestion() {
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Prepare());
    ClickInNextModal("newFileButton");
    AnswerOwner("Anne", "Martin");
    AnswerSystem(Registry().French().Title());
    PressIn("seasonDialog", "okButton");
    QVERIFY(program.WelcomeLoop());
    const UTILISATEUR& owner = program.Document().Owner();
    QCOMPARE(owner.GetRawFirstName(), std::string("Anne"));
    QCOMPARE(owner.Seasons().Count(), 1);
    QCOMPARE(program.Document().Title(), std::string("Anne_Martin"));
  }
};

QTEST_MAIN(NewDocumentWizardTest)
#include "new_document_wizard_test.moc"

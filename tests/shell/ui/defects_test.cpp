// Faults a new user met in the window, each driven as the user met it: a
// read-only file replaced by Save, the help frozen under a dialog, the
// wizard forgetting its system, texts shown after a save that differ from
// the file, the "?" question, questions away from the window, start-up on a
// bad file, the status bar forgotten, F6, the lock indicators, the tips.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include "pages/rankings/system_selection_dialog.h"
#include "records/season.h"
#include "shell/app/program.h"
#include "shell/app/tip_dialog.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "shell/window/navigation_pane.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"
#include "tests/support/ui/widget_input.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/help_window.h"
#include "widgets/page_view.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// True when `widget` is the window or stands (through its parents) over it.
bool StandsOver(const QWidget* widget, const QWidget* window) {
  for (; widget; widget = widget->parentWidget()) {
    if (widget == window) return true;
  }
  return false;
}

}  // namespace

class DefectsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;
  std::unique_ptr<DocumentSession> session_;

  // "Moi" with the seasons 2000 and 2001, one change not saved.
  void OpenModifiedDocument() {
    doc_->MakeDefaultDocument();
    DocumentBuilder(doc_->Owner()).Season(2000, "30/1");
    doc_->MarkModified();
  }

  std::unique_ptr<MainWindow> ShownWindow() {
    auto window = std::make_unique<MainWindow>(*session_, env_->Path("program"));
    window->show();
    QApplication::setActiveWindow(window.get());
    [&window] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
    return window;
  }

 private slots:
  void init() {
    env_ = std::make_unique<WidgetEnvironment>();
    doc_ = std::make_unique<PROJECT_DOC>();
    SetCurrentDocument(doc_.get());
    session_ = std::make_unique<DocumentSession>(*doc_, env_->Path("program"));
  }
  void cleanup() {
    HelpWindow::CloseIfOpen();
    doc_->SetModifiedFlag(false);
    session_.reset();
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
  }

  void SaveAndSaveAsNeverReplaceAReadOnlyFile() {
    const QString path = env_->Path("Protected.ten");
    WriteSampleDocument(path);
    const QByteArray before = Contents(path);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    OpenModifiedDocument();
    const QString refusal = "The document was not saved:\nCannot write over the read-only file " +
                            path + ": Permission denied";

    FileChoosers::ScriptPaths({path});
    QVERIFY(!session_->SaveAs());
    doc_->SetPath(ToFsPath(path));
    QVERIFY(!session_->Save());
    QCOMPARE(MessageBoxes::Said(), QStringList({refusal, refusal}));
    QCOMPARE(Contents(path), before);
    QVERIFY(doc_->IsModified());
  }

  void HelpIsUsableWhileAModalDialogRuns() {
    // Opened from the dialog, then left open when the next dialog comes.
    int scrolled_to[2] = {-1, -1};
    for (int& scrolled : scrolled_to) {
      const bool open_it = &scrolled == &scrolled_to[0];
      AnswerNextModal([&scrolled, open_it](QWidget* modal) {
        HelpWindow* help = open_it ? HelpWindow::Open(HelpTopic::kContents) : nullptr;
        QTest::qWait(20);
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (!help) help = qobject_cast<HelpWindow*>(window);
        }
        QVERIFY(help && QTest::qWaitForWindowExposed(help));
        auto* browser = help->findChild<QTextBrowser*>();
        browser->setFocus();
        browser->verticalScrollBar()->setValue(0);
        // Keys reach the help through its window, as the user's do.
        QTest::keyClick(help->windowHandle(), Qt::Key_End);
        scrolled = browser->verticalScrollBar()->value();
        modal->close();
      });
      QDialog dialog;
      dialog.exec();
    }
    QVERIFY2(scrolled_to[0] > 0, "opened from the dialog, the help did not take the keys");
    QVERIFY2(scrolled_to[1] > 0, "left open under a dialog, the help did not take the keys");
    // The help outlives the dialogs.
    QTest::qWait(20);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QVERIFY(std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
      return qobject_cast<HelpWindow*>(window) && window->isVisible();
    }));
  }

  void ComingBackToTheSystemQuestionShowsTheSystemChosen() {
    ScriptedPrompt prompt;
    prompt.Script({ScriptedPrompt::Answer::kYes});
    AnswerNextModal([](QWidget* modal) {
      ReplaceText(modal->findChild<QLineEdit*>("firstNameEdit"), "Anne");
      ReplaceText(modal->findChild<QLineEdit*>("lastNameEdit"), "Martin");
      QVERIFY(ClickButton(modal, "okButton"));
    });
    AnswerNextModal([](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
      for (size_t i = 0; i < dialog->Lines().size(); ++i) {
        if (dialog->Lines()[i].title == "ATP Tour") dialog->SelectLine(static_cast<int>(i));
      }
      QVERIFY(ClickButton(modal, "okButton"));
    });
    ClickInNextModal("cancelButton");  // the season question
    QString shown;
    bool ok_enabled = false;
    AnswerNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
      shown = dialog->TitleText()->text();
      ok_enabled = dialog->OkButton()->isEnabled();
      QVERIFY(ClickButton(modal, "cancelButton"));
    });
    ClickInNextModal("cancelButton");  // the owner again
    QVERIFY(session_->NewDocument(false));
    QCOMPARE(shown, QStringLiteral("ATP Tour"));
    QVERIFY(ok_enabled);
    QCOMPARE(PendingModalAnswers(), 0);
  }

  void AcceptedQuestionMarksAreWhatTheRecordsHoldAndAreAskedOnce() {
    OpenModifiedDocument();
    UTILISATEUR& owner = doc_->Owner();
    owner.SetLastName("Żak");
    owner.SetFirstName("Łukasz");
    owner.SetComment("Ł" + std::string(99, 'a'));
    owner.FindSeason(2000)->SetComment("Łódź");
    owner.FindSeason(2001)->SetComment("Gdańsk");
    const QString path = env_->Path("Moi.ten");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    QVERIFY(session_->SaveTo(path));
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"Some characters cannot be stored in a Scorvane file and will be saved "
                          "as \"?\" in:\n  Żak\n  Łukasz\n  Ł" +
                          QString(58, u'a') + "…\n  ... and 2 more\n\nSave anyway?"}));
    QCOMPARE(owner.GetRawFirstName(), std::string("?ukasz"));
    owner.FindSeason(2000)->SetComment("Again");
    doc_->MarkModified();
    QVERIFY(session_->SaveTo(path));
    QCOMPARE(MessageBoxes::Said().size(), 1);
  }

  void EveryDialogOfTheWindowsCommandsStandsOverIt() {
    const QString path = env_->Path("Moi.ten");
    WriteSampleDocument(path);
    Program program(QCoreApplication::applicationDirPath());
    StartupOptions options;
    options.file = path;
    options.splash_allowed = false;
    QVERIFY(program.Start(options));
    MainWindow* window = program.Window();
    QStringList seen;
    QStringList astray;
    const QStringList skipped = {"actionQuit",        "actionLanguage", "actionHelp",
                                 "actionContextHelp", "actionNextPane", "actionPreviousPane"};
    for (QAction* action : window->findChildren<QAction*>()) {
      const QString name = action->objectName();
      if (!name.startsWith("action") || action->isCheckable() || skipped.contains(name)) continue;
      for (int i = 0; i < 3; ++i) {
        AnswerNextModal([&seen, &astray, window, name](QWidget* modal) {
          seen << name;
          if (!StandsOver(modal, window)) astray << name + ": " + modal->objectName();
          modal->close();
        });
      }
      action->trigger();
      ClearModalAnswers();
    }
    QCOMPARE(astray, QStringList());
    for (const char* name : {"actionNew", "actionDeleteSeason", "actionChangeRankingSystem",
                             "actionNewSeason", "actionEditClubs", "actionRankingHistory"}) {
      QVERIFY2(seen.contains(name), name);
    }
    program.Document().SetModifiedFlag(false);
  }

  void StartUpOnAFileThatCannotBeOpenedNamesItOnceAndFails() {
    const QString path = env_->Path("Missing.ten");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    StartupOptions options;
    options.file = path;
    options.splash_allowed = false;
    Program failing(QCoreApplication::applicationDirPath());
    QVERIFY(!failing.Start(options));
    QCOMPARE(failing.ExitCode(), 1);
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"Cannot open " + path + ": No such file or directory"}));
    // Quitting from the welcome dialog is no failure.
    Program quitting(QCoreApplication::applicationDirPath());
    ClickInNextModal("quitButton");
    QVERIFY(!quitting.Start(StartupOptions{}));
    QCOMPARE(quitting.ExitCode(), 0);
  }

  void TheStatusBarStaysHiddenFromOneRunToTheNext() {
    OpenModifiedDocument();
    doc_->SetModifiedFlag(false);
    auto window = ShownWindow();
    window->Command("actionStatusBar")->trigger();
    QVERIFY(window->statusBar()->isHidden());
    QVERIFY(window->close());
    window.reset();
    window = ShownWindow();
    QVERIFY(window->statusBar()->isHidden());
    QVERIFY(!window->Command("actionStatusBar")->isChecked());
    window->Command("actionStatusBar")->trigger();
    QVERIFY(window->close());
    window.reset();
    QVERIFY(!ShownWindow()->statusBar()->isHidden());
  }

  void F6MovesBetweenTheNavigationPaneAndThePage() {
    OpenModifiedDocument();
    auto window = ShownWindow();
    window->Pane().setFocus();
    const auto in_page = [&window] {
      return window->Frame().CurrentView()->isAncestorOf(QApplication::focusWidget()) ||
             QApplication::focusWidget() == window->Frame().CurrentView();
    };
    QTest::keyClick(window.get(), Qt::Key_F6);
    QVERIFY(in_page());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), &window->Pane());
    QTest::keyClick(window.get(), Qt::Key_F6, Qt::ShiftModifier);
    QVERIFY(in_page());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &window->Pane());
  }

  void LockIndicatorsLightWithTheirLocks() {
    OpenModifiedDocument();
    auto window = ShownWindow();
    auto* caps = window->statusBar()->findChild<QLabel*>("capsLockIndicator");
    auto* num = window->statusBar()->findChild<QLabel*>("numLockIndicator");
    QVERIFY(caps && num);
    QVERIFY(!caps->isEnabled());
    QTest::keyClick(window->windowHandle(), Qt::Key_CapsLock);
    QVERIFY(caps->isEnabled());
    QVERIFY(!num->isEnabled());
    QTest::keyClick(window->windowHandle(), Qt::Key_NumLock);
    QTest::keyClick(window->windowHandle(), Qt::Key_CapsLock);
    QVERIFY(!caps->isEnabled());
    QVERIFY(num->isEnabled());
  }

  void AnUnusableTipPositionIsSaidAboveTheFirstTip() {
    QDir().mkpath(env_->Path("program"));
    QFile tips(env_->Path("program/tips_eng.txt"));
    QVERIFY(tips.open(QIODevice::WriteOnly));
    tips.write("First tip\nSecond tip\n");
    tips.close();
    { TipDialog first(env_->Path("program"), false); }
    settings::User().setValue(settings::kTipFilePos, 1000000);
    TipDialog dialog(env_->Path("program"), false);
    QCOMPARE(dialog.NoticeText(), QStringLiteral("Error while loading the notes file"));
    QCOMPARE(dialog.TipText(), QStringLiteral("First tip"));
  }
};

QTEST_MAIN(DefectsTest)
#include "defects_test.moc"

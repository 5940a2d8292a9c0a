// Faults a new user met in the window, each driven as the user met it: a
// read-only file replaced, the help frozen under a dialog, a long name
// widening the list editor, cut columns, the wizard forgetting its system,
// texts shown after a save that differ from the file, questions away from
// the window, start-up on a missing file, and the status bar, F6 and lock
// indicators.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

#include "base/catalogue/messages.h"
#include "pages/clubs/clubs_page.h"
#include "pages/common/rankings/ranking_history_dialog.h"
#include "pages/rankings/system_selection_dialog.h"
#include "ranking/ranking_registry.h"
#include "records/club.h"
#include "records/season.h"
#include "shell/app/language.h"
#include "shell/app/program.h"
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
#include "widgets/listview/list_control.h"
#include "widgets/page_view.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// True when `widget` is `window` or stands (through its parents) over it.
bool StandsOver(const QWidget* widget, const QWidget* window) {
  while (widget && widget != window)
    widget = widget->parentWidget();
  return widget == window;
}

// What is wrong with the list editor: wider or higher than its screen, OK out
// of it, a heading of its list out of sight; empty when nothing.
QString OffScreen(QWidget* editor) {
  QString wrong;
  const QSize screen = editor->screen()->availableGeometry().size();
  if (editor->frameGeometry().width() > screen.width()) wrong += "too wide ";
  auto* ok = editor->findChild<QWidget*>("okButton");
  if (!editor->rect().contains(QRect(ok->mapTo(editor, QPoint()), ok->size()))) wrong += "OK ";
  const QHeaderView* header = editor->findChild<MY_LIST_CONTROL*>()->horizontalHeader();
  for (int column = 0; column < header->count(); ++column) {
    const int middle = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    if (middle > header->viewport()->width()) wrong += "heading ";
  }
  return wrong;
}

}  // namespace

class DefectsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;
  std::unique_ptr<DocumentSession> session_;

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
    doc_->MakeDefaultDocument();
    DocumentBuilder(doc_->Owner()).Season(2000, "30/1");
    session_ = std::make_unique<DocumentSession>(*doc_, env_->Path("program"));
  }
  void cleanup() {
    const int pending = PendingModalAnswers();
    QSettings store = settings::User();
    LanguageSwitch::Instance().Apply(kLanguageEnglish, store);
    HelpWindow::CloseIfOpen();
    doc_->SetModifiedFlag(false);
    session_.reset();
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
    QCOMPARE(pending, 0);
  }

  void SaveAndSaveAsNeverReplaceAReadOnlyFile() {
    const QString path = env_->Path("Protected.ten");
    WriteSampleDocument(path);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    doc_->MarkModified();
    FileChoosers::ScriptPaths({path});
    QVERIFY(!session_->SaveAs());
    doc_->SetPath(ToFsPath(path));
    QVERIFY(!session_->Save());
    const QString refusal = "The document was not saved:\nCannot write over the read-only file " +
                            path + ": Permission denied";
    QCOMPARE(MessageBoxes::Said(), QStringList({refusal, refusal}));
    QVERIFY(doc_->IsModified());
    PROJECT_DOC file;
    QVERIFY(file.Read(ToFsPath(path)).ok());
    SetCurrentDocument(doc_.get());
  }

  void HelpIsUsableWhileAModalDialogRuns() {
    // Opened from a dialog, then left open when the next dialog comes.
    int scrolled_to[2] = {-1, -1};
    for (int& scrolled : scrolled_to) {
      const bool open_it = &scrolled == &scrolled_to[0];
      AnswerNextModal([&scrolled, open_it](QWidget* modal) {
        if (open_it) HelpWindow::Open(HelpTopic::kContents);
        QTest::qWait(20);
        QTextBrowser* browser = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
          if (qobject_cast<HelpWindow*>(window)) browser = window->findChild<QTextBrowser*>();
        }
        browser->setFocus();
        browser->verticalScrollBar()->setValue(0);
        // Keys reach the help through its window, as the user's do.
        QTest::keyClick(browser->window()->windowHandle(), Qt::Key_End);
        scrolled = browser->verticalScrollBar()->value();
        modal->close();
      });
      QDialog().exec();
    }
    QVERIFY2(scrolled_to[0] > 0, "opened from the dialog, the help did not take the keys");
    QVERIFY2(scrolled_to[1] > 0, "left open under a dialog, the help did not take the keys");
  }

  void AFiveHundredCharacterNameKeepsTheListEditorWithinItsScreen() {
    auto window = ShownWindow();
    const QString name = QStringLiteral("Court ").repeated(84).left(500);
    QString added, reopened, tooltip;
    AnswerNextModal([&](QWidget* editor) {
      AnswerNextModal([&name](QWidget* dialog) {
        ReplaceText(dialog->findChild<QLineEdit*>("nameEdit"), name);
        QVERIFY(ClickButton(dialog, "okButton"));
      });
      QVERIFY(ClickButton(editor, "addButton"));
      QTest::qWait(20);
      added = OffScreen(editor);
      auto* list = editor->findChild<MY_LIST_CONTROL*>();
      int row = 0;
      while (row < list->RowCount() && list->ItemText(row, 0) != name)
        ++row;
      const QPoint cell = list->visualRect(list->model()->index(row, 0)).center();
      QHelpEvent help(QEvent::ToolTip, cell, list->viewport()->mapToGlobal(cell));
      QApplication::sendEvent(list->viewport(), &help);
      tooltip = QToolTip::text();
      QVERIFY(ClickButton(editor, "okButton"));
    });
    window->Command("actionEditSurfaces")->trigger();
    AnswerNextModal([&reopened](QWidget* editor) {
      QTest::qWait(20);
      reopened = OffScreen(editor);
      QVERIFY(ClickButton(editor, "cancelButton"));
    });
    window->Command("actionEditSurfaces")->trigger();
    QCOMPARE(added, QString());
    QCOMPARE(reopened, QString());
    QCOMPARE(tooltip, name);
  }

  void DatesHeadingsCodesAndTelephonesShowWhole() {
    QSettings store = settings::User();
    LanguageSwitch::Instance().Apply(kLanguageFrench, store);  // the heading "Classement"
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    doc_->Owner().History().Add(CLASSEMENT(1200), DATE_SIMPLE(6, 12, 2000), "");
    auto club = std::make_unique<CLUB>("Tennis Club de Villeurbanne");
    club->SetCode(60690123);
    club->SetPhone("04 78 12 34 56");
    club->SetAddress(std::string(300, 'y'));
    doc_->Owner().AddClub(std::move(club));
    DLG_EDIT_CLASSEMENTS history(*doc_, doc_->Owner(), nullptr);
    PAGE_CLUBS clubs;
    clubs.resize(760, 400);
    for (QWidget* shown : {static_cast<QWidget*>(&history), static_cast<QWidget*>(&clubs)}) {
      shown->show();
      QVERIFY(QTest::qWaitForWindowExposed(shown));
    }
    clubs.Refresh();
    const auto& dates = *history.findChild<MY_LIST_CONTROL*>("historyList");
    for (const auto& [list, column] : {std::pair{&dates, 0},
                                       {&dates, 1},
                                       {&clubs.List(), 0},
                                       {&clubs.List(), 1},
                                       {&clubs.List(), 2}})
      QVERIFY2(list->columnWidth(column) >= list->FittingWidth(column),
               qPrintable(list->objectName()));
    QVERIFY(clubs.List().horizontalHeader()->length() <= clubs.List().viewport()->width());
  }

  void ComingBackToTheSystemQuestionShowsTheSystemChosen() {
    doc_->SetModifiedFlag(false);
    ScriptedPrompt prompt;
    prompt.Script({ScriptedPrompt::Answer::kYes});
    AnswerNextModal([](QWidget* owner) {
      ReplaceText(owner->findChild<QLineEdit*>("firstNameEdit"), "Anne");
      ReplaceText(owner->findChild<QLineEdit*>("lastNameEdit"), "Martin");
      QVERIFY(ClickButton(owner, "okButton"));
    });
    AnswerNextModal([](QWidget* modal) {
      auto* systems = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
      for (size_t i = 0; i < systems->Lines().size(); ++i) {
        if (systems->Lines()[i].title == "ATP Tour") systems->SelectLine(static_cast<int>(i));
      }
      QVERIFY(ClickButton(modal, "okButton"));
    });
    ClickInNextModal("cancelButton");  // the season question
    QString shown;
    bool ok_enabled = false;
    AnswerNextModal([&](QWidget* modal) {
      auto* systems = qobject_cast<DLG_SELECTION_SYSCLASS*>(modal);
      shown = systems->TitleText()->text();
      ok_enabled = systems->OkButton()->isEnabled();
      QVERIFY(ClickButton(modal, "cancelButton"));
    });
    ClickInNextModal("cancelButton");  // the owner again
    QVERIFY(session_->NewDocument(false));
    QCOMPARE(shown, QStringLiteral("ATP Tour"));
    QVERIFY(ok_enabled);
  }

  void AcceptedQuestionMarksAreWhatTheRecordsHoldAndAreAskedOnce() {
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
    QCOMPARE(owner.FindSeason(2000)->Comment(), std::string("?ód?"));
    doc_->MarkModified();
    QVERIFY(session_->SaveTo(path));
    QCOMPARE(MessageBoxes::Said().size(), 1);
  }

  void EveryDialogOfTheWindowsCommandsStandsOverIt() {
    const QString path = env_->Path("Moi.ten");
    WriteSampleDocument(path);
    Program program(QCoreApplication::applicationDirPath());
    QVERIFY(program.Start(StartupOptions{path, false, false}));
    MainWindow* window = program.Window();
    QStringList seen, astray;
    QHash<QString, QString> first_title;  // of the first dialog each command opened
    const QStringList skipped = {"actionQuit", "actionLanguage", "actionHelp", "actionContextHelp"};
    for (QAction* action : window->findChildren<QAction*>()) {
      const QString name = action->objectName();
      if (!name.startsWith("action") || action->isCheckable() || skipped.contains(name)) continue;
      for (int i = 0; i < 3; ++i) {
        AnswerNextModal([&seen, &astray, &first_title, window, name](QWidget* modal) {
          seen << name;
          if (!first_title.contains(name)) first_title[name] = modal->windowTitle();
          if (!StandsOver(modal, window)) astray << name;
          modal->close();
        });
      }
      action->trigger();
      ClearModalAnswers();
    }
    QCOMPARE(astray, QStringList());
    for (const char* name : {"actionNew", "actionDeleteSeason", "actionChangeRankingSystem",
                             "actionNewSeason", "actionEditClubs", "actionRankingHistory"})
      QVERIFY2(seen.contains(name), name);
    QCOMPARE(first_title.value("actionCurrency"), QStringLiteral("Currency"));
    QCOMPARE(first_title.value("actionServiceCalculator"),
             QStringLiteral("Influence of service success"));
  }

  void StartUpOnAMissingFileNamesItOnceAndFails() {
    const QString path = env_->Path("Missing.ten");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    Program failing(QCoreApplication::applicationDirPath());
    QVERIFY(!failing.Start(StartupOptions{path, false, false}));
    QCOMPARE(failing.ExitCode(), 1);
    QCOMPARE(MessageBoxes::Said(),
             QStringList({"Cannot open " + path + ": No such file or directory"}));
    Program quitting(QCoreApplication::applicationDirPath());
    ClickInNextModal("quitButton");
    QVERIFY(!quitting.Start(StartupOptions{}));
    QCOMPARE(quitting.ExitCode(), 0);
  }

  void StatusBarF6AndLockIndicators() {
    doc_->SetModifiedFlag(false);
    auto window = ShownWindow();
    window->Command("actionStatusBar")->trigger();
    QVERIFY(window->close());
    window.reset();
    window = ShownWindow();
    QVERIFY(window->statusBar()->isHidden());
    // F6 and Shift+F6: from the pane to the page and back.
    window->Pane().setFocus();
    for (auto modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
      QTest::keyClick(window.get(), Qt::Key_F6, modifier);
      QVERIFY(StandsOver(QApplication::focusWidget(), window->Frame().CurrentView()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, modifier);
      QCOMPARE(QApplication::focusWidget(), &window->Pane());
    }
    auto* caps = window->statusBar()->findChild<QLabel*>("capsLockIndicator");
    QVERIFY(caps && !caps->isEnabled());
    QTest::keyClick(window->windowHandle(), Qt::Key_CapsLock);
    QVERIFY(caps->isEnabled());
  }
};

QTEST_MAIN(DefectsTest)
#include "defects_test.moc"

// The two season commands in the main window: a new season becomes the
// active one and every list follows; deleting the active season asks its
// questions and refuses to delete the last season.
#include <QAction>
#include <QComboBox>
#include <QTest>

#include "base/catalogue/messages.h"
#include "pages/seasons/season_commands.h"
#include "records/season.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "shell/window/navigation_bar.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"
#include "widgets/dialogs/message_boxes.h"

using namespace scorvane;
using namespace scorvane::testing;
using Answer = ScriptedPrompt::Answer;

class SeasonCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;
  std::unique_ptr<DocumentSession> session_;
  std::unique_ptr<MainWindow> window_;

  UTILISATEUR& Owner() { return doc_->Owner(); }

  // Seasons 2000 and 2001 (active); `matches` singles in 2001.
  void Open(int matches) {
    DocumentBuilder builder(Owner());
    builder.Season(2000, "30/1");
    builder.Season(2001, "30");
    EPREUVE_JOUEE* played = builder.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    for (int i = 0; i < matches; ++i)
      builder.Singles(played, builder.Player("Paul", "Martin"), i == 0, "6/4 6/4");
    doc_->SetModifiedFlag(false);
    window_ = std::make_unique<MainWindow>(*session_, env_->Path("program"));
    window_->show();
  }

  QString SeasonInBar() { return window_->Bar().SeasonList()->currentText(); }

 private slots:
  void init() {
    env_ = std::make_unique<WidgetEnvironment>();
    doc_ = std::make_unique<PROJECT_DOC>();
    SetCurrentDocument(doc_.get());
    doc_->SetTitle("Moi");
    session_ = std::make_unique<DocumentSession>(*doc_, env_->Path("program"));
  }
  void cleanup() {
    QCOMPARE(PendingModalAnswers(), 0);
    doc_->SetModifiedFlag(false);
    window_.reset();
    session_.reset();
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
  }

  void NewSeasonBecomesActiveEverywhere() {
    Open(0);
    Owner().SetActiveSeason(Owner().FindSeason(2000));
    ClickInNextModal(QStringLiteral("okButton"));
    window_->Command("actionNewSeason")->trigger();
    QCOMPARE(Owner().GetActiveSeason()->Year(), 2002);
    QCOMPARE(SeasonInBar(), QStringLiteral("2002"));
    QCOMPARE(window_->Bar().SeasonList()->count(), 3);
    QVERIFY(window_->windowTitle().startsWith("Scorvane - File : Moi*"));
  }

  void DeletingASeasonWithMatchesAsksTwice() {
    Open(12);
    ScriptedPrompt prompt;
    prompt.SetFallback(Answer::kYes);
    window_->Command("actionDeleteSeason")->trigger();
    QVERIFY(prompt.asked.size() >= 2);
    QCOMPARE(prompt.asked[0], std::string("Destroy season 2001 permanently (12 matches) ?"));
    QCOMPARE(prompt.asked[1], std::string(Msg(109)));
    QCOMPARE(Owner().Seasons().Count(), 1);
    QCOMPARE(SeasonInBar(), QStringLiteral("2000"));
    QCOMPARE(window_->Bar().SeasonList()->count(), 1);
    // One season is left: the command is now off.
    QVERIFY(!window_->Command("actionDeleteSeason")->isEnabled());
  }

  void DeletingASeasonWithoutMatchesAsksOnce() {
    Open(0);
    ScriptedPrompt prompt;
    prompt.SetFallback(Answer::kYes);
    window_->Command("actionDeleteSeason")->trigger();
    QCOMPARE(prompt.asked,
             std::vector<std::string>{"Destroy season 2001 permanently (no match recorded) ?"});
    QCOMPARE(Owner().Seasons().Count(), 1);
  }

  void TheLastSeasonIsKeptWithAMessage() {
    Open(0);
    ScriptedPrompt prompt;
    Owner().DeleteSeasonRecord(Owner().FindSeason(2000));
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    RunDeleteSeasonCommand(window_.get(), *doc_);
    QCOMPARE(MessageBoxes::Said(), QStringList{QString::fromUtf8(Msg(105))});
    QVERIFY(prompt.asked.empty());
    QCOMPARE(Owner().Seasons().Count(), 1);
  }
};

QTEST_MAIN(SeasonCommandsTest)
#include "season_commands_test.moc"

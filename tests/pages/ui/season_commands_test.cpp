// Guards the two season commands in the main window: a new season becomes the
// active one and every list follows; deleting the active season asks its
// questions and turns the command off when one season is left.
#include <QAction>
#include <QComboBox>
#include <QTest>

#include "records/season.h"
#include "shell/window/main_window.h"
#include "shell/window/navigation_bar.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"

using namespace scorvane;
using namespace scorvane::testing;
using Answer = ScriptedPrompt::Answer;

class SeasonCommandsTest : public WindowFixture {
  Q_OBJECT

 private:
  // Seasons 2000 and 2001 (active); `matches` singles in 2001.
  MainWindow& Open(int matches) {
    Doc().SetTitle("Moi");
    DocumentBuilder builder(Owner());
    builder.Season(2000, "30/1");
    builder.Season(2001, "30");
    EPREUVE_JOUEE* played = builder.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    for (int i = 0; i < matches; ++i)
      builder.Singles(played, builder.Player("Paul", "Martin"), i == 0, "6/4 6/4");
    Doc().SetModifiedFlag(false);
    return OpenWindow();
  }

  QString SeasonInBar() { return Window().Bar().SeasonList()->currentText(); }

 private slots:
  void NewSeasonBecomesActiveEverywhere() {
    Open(0);
    Owner().SetActiveSeason(Owner().FindSeason(2000));
    ClickInNextModal(QStringLiteral("okButton"));
    Window().Command("actionNewSeason")->trigger();
    QCOMPARE(Owner().GetActiveSeason()->Year(), 2002);
    QCOMPARE(SeasonInBar(), QStringLiteral("2002"));
    QCOMPARE(Window().Bar().SeasonList()->count(), 3);
    QVERIFY(Window().windowTitle().startsWith("Scorvane - File : Moi*"));
  }

  void DeletingASeasonWithMatchesAsksTwice() {
    Open(12);
    ScriptedPrompt prompt;
    prompt.SetFallback(Answer::kYes);
    Window().Command("actionDeleteSeason")->trigger();
    QVERIFY(prompt.asked.size() >= 2);
    QCOMPARE(prompt.asked[0], std::string("Destroy season 2001 permanently (12 matches) ?"));
    QCOMPARE(prompt.asked[1],
             std::string("ATTENTION, the matches will be destroyed permanently. Continue ?"));
    QCOMPARE(Owner().Seasons().Count(), 1);
    QCOMPARE(SeasonInBar(), QStringLiteral("2000"));
    QCOMPARE(Window().Bar().SeasonList()->count(), 1);
    // One season is left: the command is now off.
    QVERIFY(!Window().Command("actionDeleteSeason")->isEnabled());
  }
};

QTEST_MAIN(SeasonCommandsTest)
#include "season_commands_test.moc"

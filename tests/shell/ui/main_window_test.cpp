// Guards the main window on a real document: title, page switching, menus,
// shortcuts, seasons, colours, closing, its commands' dialogs and its quiet.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "base/catalogue/messages.h"
#include "pages/clubs/clubs_page.h"
#include "records/club.h"
#include "records/season.h"
#include "shell/app/language.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "shell/window/navigation_bar.h"
#include "shell/window/navigation_pane.h"
#include "shell/window/page_rules.h"
#include "shell/window/smiley.h"
#include "tests/support/document_builder.h"
#include "tests/support/scripted_prompt.h"
#include "tests/support/ui/counting_page.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/listview/list_control.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A page that counts its refreshes, so the tests see which pages were read again.
CountingPage* Placeholder(MainWindow& window, int number) {
  return static_cast<CountingPage*>(window.Frame().Page(number));
}

// The running timers of the program's object tree that fire more often than
// every 30 ms, by name.
QStringList FastTimers() {
  QStringList fast;
  QObjectList roots{qApp};
  for (QWidget* top : QApplication::topLevelWidgets())
    roots.append(top);
  for (QObject* root : roots) {
    for (const QTimer* timer : root->findChildren<QTimer*>()) {
      if (timer->isActive() && timer->interval() < 30) fast.append(timer->objectName());
    }
  }
  return fast;
}

}  // namespace

class MainWindowTest : public WindowFixture {
  Q_OBJECT

 private:
  MainWindow* window_ = nullptr;

  void Open(PageFrame::Factory pages = {}) { window_ = &OpenWindow(std::move(pages)); }

  void ClickZone(int zone) {
    QTest::mouseClick(&window_->Pane(), Qt::LeftButton, Qt::NoModifier, Zone(zone).rect.center());
  }

 private slots:
  // The document "Moi" with the seasons 2000 (active) and 2001, saved.
  void init() {
    WindowFixture::init();
    Doc().MakeDefaultDocument();
    DocumentBuilder(Owner()).Season(2000, "30/1");
    Doc().SetTitle("Moi");
    Doc().SetModifiedFlag(false);
  }

  void Title() {
    const struct {
      bool has_document, modified;
      int page, year;
      const char* title;
    } cases[] = {{false, false, 3, 2000, "Scorvane"},
                 {true, false, 3, 2000, "Scorvane - File : Moi - Own page"},
                 {true, true, 1, 2000, "Scorvane - File : Moi* - Matches 2000"},
                 {true, false, 5, 1999, "Scorvane - File : Moi - Points for the season 1999"},
                 {true, false, 7, 2000, "Scorvane - File : Moi - Registered clubs"},
                 {true, false, 4, 0, "Scorvane - File : Moi - Season summary"},
                 {true, false, 8, 2000, "Scorvane - File : Moi - Statistics"}};
    for (const auto& c : cases)
      QCOMPARE(WindowTitle("Scorvane", c.has_document, "Moi", c.modified, c.page, c.year),
               QString(c.title));
  }

  void ZoneHitTesting() {
    // Edges and the gaps between zones (the eyes, below the picture) are no zone.
    const std::pair<QPoint, int> cases[] = {
        {{8, 12}, 1},    {{132, 20}, 0}, {{60, 46}, 0},    {{100, 60}, 2},  {{60, 100}, 3},
        {{70, 148}, 0},  {{10, 190}, 4}, {{50, 250}, 5},   {{120, 290}, 6}, {{50, 330}, 7},
        {{131, 380}, 8}, {{20, 410}, 9}, {{100, 477}, 10}, {{100, 478}, 0}};
    for (const auto& [point, zone] : cases)
      QCOMPARE(ZoneAt(point), zone);
  }

  // The window opens on the own page; then zone, page shown, zone lit (the
  // active season shows the summary).
  void ZonesShowTheirPages() {
    Open();
    QCOMPARE(window_->CurrentPage(), 3);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi - Own page"));
    QCOMPARE(window_->Pane().LitZone(), 1);
    QCOMPARE(window_->Bar().PageList()->currentText(), QStringLiteral("Own Page"));
    for (const auto& [zone, page, lit] :
         {std::tuple{2, 2, 2}, {4, 4, 5}, {3, 8, 3}, {5, 4, 5}, {6, 1, 6}, {7, 6, 7}}) {
      ClickZone(zone);
      QCOMPARE(window_->CurrentPage(), page);
      QCOMPARE(window_->Pane().LitZone(), lit);
    }
  }

  // A list page is read again each time it is shown; the statistics page
  // keeps what it drew; a page never shown does no work until it is.
  void PagesRefreshWhenShownOnlyWhenTheirKindDoes() {
    Open([](int number, QWidget* parent) { return new CountingPage(number, parent); });
    Doc().MarkModified();
    for (const int page : {1, 2, 4, 5, 6, 7, 8})
      QCOMPARE(Placeholder(*window_, page)->RefreshCount(), 0);
    // Shown, a page starts on the document; a list page reads it again.
    window_->ShowPage(8);
    QCOMPARE(Placeholder(*window_, 8)->RefreshCount(), 1);
    window_->ShowPage(1);
    QCOMPARE(Placeholder(*window_, 1)->RefreshCount(), 2);
    QVERIFY(!window_->ShowPage(1));
    ClickZone(6);
    QTest::keyClick(window_, Qt::Key_P, Qt::ShiftModifier);
    QCOMPARE(Placeholder(*window_, 1)->RefreshCount(), 2);
    // A change reaches the page shown at once, the statistics when shown.
    Doc().MarkModified();
    QCOMPARE(Placeholder(*window_, 1)->RefreshCount(), 3);
    QCOMPARE(Placeholder(*window_, 8)->RefreshCount(), 1);
    window_->ShowPage(8);
    QCOMPARE(Placeholder(*window_, 8)->RefreshCount(), 2);
    window_->ShowPage(3);
    window_->ShowPage(8);
    QCOMPARE(Placeholder(*window_, 8)->RefreshCount(), 2);
  }

  // The summary's calculation details button shows the report page.
  void ThePageListStaysForTheReportAndTheClubsPage() {
    Open();
    QVERIFY(window_->ShowPage(PageView::kSeasonSummary));
    QTest::mouseClick(window_->Frame().CurrentView()->findChild<QPushButton*>("calculationDetails"),
                      Qt::LeftButton);
    QCOMPARE(window_->CurrentPage(), int(PageView::kCalculationReport));
    QComboBox* list = window_->Bar().PageList();
    QCOMPARE(list->currentText(), QStringLiteral("Season Summary"));
    emit list->activated(3);
    QCOMPARE(window_->CurrentPage(), 5);
    QCOMPARE(list->currentText(), QStringLiteral("Season Summary"));
    // Another entry still works.
    emit list->activated(1);
    QCOMPARE(window_->CurrentPage(), 2);
    // The clubs page, which has no entry, leaves the page list blank.
    window_->Command("actionClubs")->trigger();
    QCOMPARE(window_->CurrentPage(), 7);
    QCOMPARE(window_->Bar().PageList()->currentText(), QString());
    QCOMPARE(window_->Pane().LitZone(), 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi - Registered clubs"));
  }

  // Shift+J, F, B, P and S show their pages; Shift+A the own page.
  void ShortcutsShowPages() {
    Open();
    window_->activateWindow();
    for (const auto& [key, page] : {std::pair{Qt::Key_J, 2},
                                    {Qt::Key_F, 6},
                                    {Qt::Key_B, 4},
                                    {Qt::Key_P, 1},
                                    {Qt::Key_S, 8}}) {
      QTest::keyClick(window_, key, Qt::ShiftModifier);
      QCOMPARE(window_->CurrentPage(), page);
      QTest::keyClick(window_, Qt::Key_A, Qt::ShiftModifier);
      QCOMPARE(window_->CurrentPage(), 3);
    }
  }

  void SeasonListsFollowTheDocument() {
    Open();
    QComboBox* pane_list = window_->Pane().SeasonList();
    QComboBox* bar_list = window_->Bar().SeasonList();
    QCOMPARE(pane_list->count(), 2);
    QCOMPARE(pane_list->itemText(0), QStringLiteral("2000"));
    QCOMPARE(pane_list->currentText(), QStringLiteral("2000"));
    window_->ShowPage(1);
    // Choosing 2001 in the bar makes it active: the pages, the other list
    // and the title follow.
    emit bar_list->activated(1);
    QCOMPARE(Owner().GetActiveSeason()->Year(), 2001);
    QCOMPARE(pane_list->currentText(), QStringLiteral("2001"));
    QVERIFY(Doc().IsModified());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi* - Matches 2001"));
  }

  // A new season becomes the active one in the bar and the title; deleting
  // the active season (its questions have their own tests) moves the bar to
  // one left, and the command is off once one season is left.
  void SeasonCommandsReachTheBar() {
    Open();
    QComboBox* bar_list = window_->Bar().SeasonList();
    ClickInNextModal(QStringLiteral("okButton"));
    window_->Command("actionNewSeason")->trigger();
    QCOMPARE(Owner().GetActiveSeason()->Year(), 2002);
    QCOMPARE(bar_list->currentText(), QStringLiteral("2002"));
    QCOMPARE(bar_list->count(), 3);
    QVERIFY(window_->windowTitle().startsWith("Scorvane - File : Moi*"));
    ScriptedPrompt prompt;
    prompt.SetFallback(ScriptedPrompt::Answer::kYes);
    for (const int left : {2, 1}) {
      window_->Command("actionDeleteSeason")->trigger();
      QCOMPARE(bar_list->count(), left);
      QCOMPARE(bar_list->currentText(), QString::number(Owner().GetActiveSeason()->Year()));
    }
    QVERIFY(!window_->Command("actionDeleteSeason")->isEnabled());
  }

  void DeletingTheOnlySeasonIsRefused() {
    Owner().DeleteSeasonRecord(Owner().FindSeason(2001));
    Open();
    QVERIFY(!window_->Command("actionDeleteSeason")->isEnabled());
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    ClickZone(9);
    QCOMPARE(MessageBoxes::Said(), QStringList({"You must keep one season !!"}));
    QCOMPARE(Owner().Seasons().Count(), 1);
  }

  void ColoursComeFromTheSettings() {
    QSettings store = settings::User();
    store.setValue(settings::kBackgroundColour, "RGB(10,20,30)");
    store.setValue(settings::kFrameColour, "RGB(1,2,300)");
    Open();
    QCOMPARE(ScreenColours::Background(), QColor(10, 20, 30));
    QCOMPARE(ScreenColours::Frame(), settings::kDefaultFrame);
    window_->Command("actionDefaultColours")->trigger();
    QCOMPARE(ScreenColours::Background(), settings::kDefaultBackground);
    QCOMPARE(settings::User().value(settings::kBackgroundColour).toString(),
             QStringLiteral("RGB(173,198,255)"));
    // The page paints with the colour in force.
    const QImage picture = window_->Frame().CurrentView()->grab().toImage();
    QCOMPARE(picture.pixelColor(3, 3), settings::kDefaultBackground);
  }

  void ClosingWithUnsavedChangesAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("chosen");  // the file chosen for saving, if asked
    QTest::addColumn<bool>("closed");
    QTest::newRow("cancel keeps the window") << int(MessageBoxes::Answer::kCancel) << "" << false;
    QTest::newRow("no lets it go") << int(MessageBoxes::Answer::kNo) << "" << true;
    QTest::newRow("yes saves first") << int(MessageBoxes::Answer::kYes) << "Moi.ten" << true;
    QTest::newRow("yes, save cancelled") << int(MessageBoxes::Answer::kYes) << "" << false;
  }
  void ClosingWithUnsavedChangesAsksFirst() {
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(bool, closed);
    Open();
    Owner().AddSeason(2002);
    Doc().MarkModified();
    MessageBoxes::ScriptAnswers({static_cast<MessageBoxes::Answer>(answer)});
    FileChoosers::ScriptPaths({chosen.isEmpty() ? QString() : Path(chosen)});
    QCOMPARE(window_->close(), closed);
    QCOMPARE(MessageBoxes::Said(), QStringList({"Save changes to Moi?"}));
    QCOMPARE(Doc().IsModified(), chosen.isEmpty());
    QCOMPARE(window_->isVisible(), !closed);
    if (chosen.isEmpty()) return;
    PROJECT_DOC reread;
    QVERIFY(reread.Read(ToFsPath(Path(chosen))).ok());
    QCOMPARE(reread.Owner().Seasons().Count(), 3);
    SetCurrentDocument(&Doc());
  }

  // The eyes look for a pointer that left the window, at most about 30 times
  // a second, and stop once it keeps still: an idle window wakes no one.
  void TheIdleWindowRunsNoFastTimer() {
    Open();
    QVERIFY(ShowActive(*window_));
    Smiley* eyes = window_->Pane().Eyes();
    QCursor::setPos(window_->mapToGlobal(QPoint(-200, -200)));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(window_->windowHandle(), &leave);
    QVERIFY(eyes->IsPolling());
    QCOMPARE(FastTimers(), QStringList());
    QTRY_VERIFY_WITH_TIMEOUT(!eyes->IsPolling(), 5000);
    QCOMPARE(FastTimers(), QStringList());
    // Minimised, the eyes do not look even for a pointer leaving.
    window_->showMinimized();
    QCoreApplication::sendEvent(window_->windowHandle(), &leave);
    QVERIFY(!eyes->IsPolling());
  }

  // The status bar hidden stays hidden in the next window; F6 and Shift+F6
  // go from the pane to the page and back; Caps Lock lights its indicator.
  void StatusBarF6AndLockIndicators() {
    Open();
    window_->Command("actionStatusBar")->trigger();
    QVERIFY(window_->close());
    Open();
    QVERIFY(ShowActive(*window_));
    QVERIFY(window_->statusBar()->isHidden());
    window_->Pane().setFocus();
    for (auto modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
      QTest::keyClick(window_, Qt::Key_F6, modifier);
      QVERIFY(StandsOver(QApplication::focusWidget(), window_->Frame().CurrentView()));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, modifier);
      QCOMPARE(QApplication::focusWidget(), &window_->Pane());
    }
    auto* caps = window_->statusBar()->findChild<QLabel*>("capsLockIndicator");
    QVERIFY(caps && !caps->isEnabled());
    QTest::keyClick(window_->windowHandle(), Qt::Key_CapsLock);
    QVERIFY(caps->isEnabled());
  }

  // In French, a club's code, telephone and long name show whole, within the page.
  void TheClubsPageShowsItsColumnsWhole() {
    QSettings store = settings::User();
    LanguageSwitch::Instance().Apply(kLanguageFrench, store);
    auto club = std::make_unique<CLUB>("Tennis Club de Villeurbanne");
    club->SetCode(60690123);
    club->SetPhone("04 78 12 34 56");
    club->SetAddress(std::string(300, 'y'));
    Owner().AddClub(std::move(club));
    PAGE_CLUBS clubs;
    clubs.resize(760, 400);
    clubs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clubs));
    clubs.Refresh();
    LanguageSwitch::Instance().Apply(kLanguageEnglish, store);
    for (int column = 0; column < 3; ++column)
      QVERIFY(clubs.List().columnWidth(column) >= clubs.List().FittingWidth(column));
    QVERIFY(clubs.List().horizontalHeader()->length() <= clubs.List().viewport()->width());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

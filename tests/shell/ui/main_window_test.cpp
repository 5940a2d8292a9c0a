// The main window on a real document: its title, the page switching rules
// through the navigation pane, the page list, the menus and the shortcuts,
// the season lists, the screen colours and closing with unsaved changes.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "base/catalogue/messages.h"
#include "pages/placeholder_page.h"
#include "records/season.h"
#include "shell/window/document_session.h"
#include "shell/window/main_window.h"
#include "shell/window/navigation_bar.h"
#include "shell/window/navigation_pane.h"
#include "shell/window/page_rules.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_environment.h"
#include "tests/support/ui/widget_input.h"
#include "widgets/dialogs/message_boxes.h"
#include "widgets/screen_colours.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

// A page that counts its refreshes, so the tests see which pages were read again.
PlaceholderPage* Placeholder(MainWindow& window, int number) {
  return static_cast<PlaceholderPage*>(window.Frame().Page(number));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;
  std::unique_ptr<PROJECT_DOC> doc_;
  std::unique_ptr<DocumentSession> session_;
  std::unique_ptr<MainWindow> window_;

  void Open(PageFrame::Factory pages = {}) {
    window_ = std::make_unique<MainWindow>(*session_, env_->Path("program"), std::move(pages));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  // A window whose eight pages are placeholders that count their refreshes.
  void OpenWithPlaceholders() {
    Open([](int number, QWidget* parent) { return new PlaceholderPage(number, parent); });
  }

  void ClickZone(int zone) {
    QTest::mouseClick(&window_->Pane(), Qt::LeftButton, Qt::NoModifier, Zone(zone).rect.center());
  }

 private slots:
  void init() {
    env_ = std::make_unique<WidgetEnvironment>();
    doc_ = std::make_unique<PROJECT_DOC>();
    SetCurrentDocument(doc_.get());
    doc_->MakeDefaultDocument();
    DocumentBuilder builder(doc_->Owner());
    builder.Season(2000, "30/1");
    doc_->SetTitle("Moi");
    doc_->SetModifiedFlag(false);
    session_ = std::make_unique<DocumentSession>(*doc_, env_->Path("program"));
  }
  void cleanup() {
    if (window_) {
      doc_->SetModifiedFlag(false);
      window_.reset();
    }
    session_.reset();
    SetCurrentDocument(nullptr);
    doc_.reset();
    env_.reset();
  }

  void Title_data() {
    QTest::addColumn<bool>("has_document");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("title");
    QTest::newRow("no document") << false << false << 3 << 2000 << "Scorvane";
    QTest::newRow("own page") << true << false << 3 << 2000 << "Scorvane - File : Moi - Own page";
    QTest::newRow("modified, matches")
        << true << true << 1 << 2000 << "Scorvane - File : Moi* - Matches 2000";
    QTest::newRow("report") << true << false << 5 << 1999
                            << "Scorvane - File : Moi - Points for the season 1999";
    QTest::newRow("clubs page ends with a dash")
        << true << false << 7 << 2000 << "Scorvane - File : Moi - ";
    QTest::newRow("no season, no year")
        << true << false << 4 << 0 << "Scorvane - File : Moi - Season summary";
    QTest::newRow("statistics") << true << false << 8 << 2000
                                << "Scorvane - File : Moi - Statistics";
  }
  void Title() {
    QFETCH(bool, has_document);
    QFETCH(bool, modified);
    QFETCH(int, page);
    QFETCH(int, year);
    QFETCH(QString, title);
    QCOMPARE(WindowTitle("Scorvane", has_document, "Moi", modified, page, year), title);
  }

  void ZoneHitTesting_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("zone");
    QTest::newRow("own page corner") << QPoint(8, 12) << 1;
    QTest::newRow("own page right edge is outside") << QPoint(132, 20) << 0;
    QTest::newRow("players") << QPoint(100, 60) << 2;
    QTest::newRow("between two zones") << QPoint(60, 46) << 0;
    QTest::newRow("statistics") << QPoint(60, 100) << 3;
    QTest::newRow("the eyes are no zone") << QPoint(70, 148) << 0;
    QTest::newRow("active season") << QPoint(10, 190) << 4;
    QTest::newRow("summary") << QPoint(50, 250) << 5;
    QTest::newRow("matches") << QPoint(120, 290) << 6;
    QTest::newRow("finances") << QPoint(50, 330) << 7;
    QTest::newRow("new season") << QPoint(131, 380) << 8;
    QTest::newRow("delete season") << QPoint(20, 410) << 9;
    QTest::newRow("information") << QPoint(100, 477) << 10;
    QTest::newRow("below the picture") << QPoint(100, 478) << 0;
  }
  void ZoneHitTesting() {
    QFETCH(QPoint, point);
    QFETCH(int, zone);
    QCOMPARE(ZoneAt(point), zone);
  }

  void OpensOnTheOwnPageWithItsTitle() {
    Open();
    QCOMPARE(window_->CurrentPage(), 3);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi - Own page"));
    QCOMPARE(window_->Pane().LitZone(), 1);
    QCOMPARE(window_->Bar().PageList()->currentText(), QStringLiteral("Own Page"));
  }

  void ZoneFourShowsTheSummaryAndLightsZoneFive() {
    Open();
    ClickZone(4);
    QCOMPARE(window_->CurrentPage(), 4);
    QCOMPARE(window_->Pane().LitZone(), 5);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi - Season summary 2000"));
    QCOMPARE(window_->Bar().PageList()->currentText(), QStringLiteral("Season Summary"));
  }

  void ZonesShowTheirPages_data() {
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("lit");
    QTest::newRow("players") << 2 << 2 << 2;
    QTest::newRow("statistics") << 3 << 8 << 3;
    QTest::newRow("summary") << 5 << 4 << 5;
    QTest::newRow("matches") << 6 << 1 << 6;
    QTest::newRow("finances") << 7 << 6 << 7;
  }
  void ZonesShowTheirPages() {
    QFETCH(int, zone);
    QFETCH(int, page);
    QFETCH(int, lit);
    Open();
    ClickZone(zone);
    QCOMPARE(window_->CurrentPage(), page);
    QCOMPARE(window_->Pane().LitZone(), lit);
  }

  void PagesRefreshWhenShownOnlyWhenTheirKindDoes() {
    OpenWithPlaceholders();
    const int matches = Placeholder(*window_, 1)->RefreshCount();
    const int statistics = Placeholder(*window_, 8)->RefreshCount();
    window_->ShowPage(1);
    QCOMPARE(Placeholder(*window_, 1)->RefreshCount(), matches + 1);
    window_->ShowPage(8);
    QCOMPARE(Placeholder(*window_, 8)->RefreshCount(), statistics);
  }

  void ShowingTheCurrentPageDoesNotRefreshIt() {
    OpenWithPlaceholders();
    window_->ShowPage(1);
    const int count = Placeholder(*window_, 1)->RefreshCount();
    QVERIFY(!window_->ShowPage(1));
    ClickZone(6);
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ShiftModifier);
    QCOMPARE(Placeholder(*window_, 1)->RefreshCount(), count);
  }

  void TheSummarysCalculationDetailsButtonShowsTheReportPage() {
    Open();
    QVERIFY(window_->ShowPage(PageView::kSeasonSummary));
    auto* details = window_->Frame().CurrentView()->findChild<QPushButton*>(
        QStringLiteral("calculationDetails"));
    QVERIFY(details && details->isVisible());
    QTest::mouseClick(details, Qt::LeftButton);
    QCOMPARE(window_->CurrentPage(), int(PageView::kCalculationReport));
    QCOMPARE(window_->Bar().PageList()->currentText(), QStringLiteral("Season Summary"));
  }

  void SeasonSummaryInThePageListWhileTheReportIsShownChangesNothing() {
    Open();
    QVERIFY(window_->ShowPage(5));
    QComboBox* list = window_->Bar().PageList();
    QCOMPARE(list->currentText(), QStringLiteral("Season Summary"));
    emit list->activated(3);
    QCOMPARE(window_->CurrentPage(), 5);
    QCOMPARE(list->currentText(), QStringLiteral("Season Summary"));
    // Another entry still works.
    emit list->activated(1);
    QCOMPARE(window_->CurrentPage(), 2);
  }

  void TheClubsPageKeepsThePageListAsItWas() {
    Open();
    window_->ShowPage(2);
    window_->Command("actionClubs")->trigger();
    QCOMPARE(window_->CurrentPage(), 7);
    QCOMPARE(window_->Bar().PageList()->currentText(), QStringLiteral("Players"));
    QCOMPARE(window_->Pane().LitZone(), 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi - "));
  }

  void ShortcutsShowPages_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("page");
    QTest::newRow("Shift+J") << int(Qt::Key_J) << 2;
    QTest::newRow("Shift+F") << int(Qt::Key_F) << 6;
    QTest::newRow("Shift+B") << int(Qt::Key_B) << 4;
    QTest::newRow("Shift+P") << int(Qt::Key_P) << 1;
    QTest::newRow("Shift+S") << int(Qt::Key_S) << 8;
  }
  void ShortcutsShowPages() {
    QFETCH(int, key);
    QFETCH(int, page);
    Open();
    window_->activateWindow();
    QTest::keyClick(window_.get(), Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(window_->CurrentPage(), page);
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::ShiftModifier);
    QCOMPARE(window_->CurrentPage(), 3);
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
    QCOMPARE(doc_->Owner().GetActiveSeason()->Year(), 2001);
    QCOMPARE(pane_list->currentText(), QStringLiteral("2001"));
    QVERIFY(doc_->IsModified());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi* - Matches 2001"));
  }

  void DeletingTheOnlySeasonIsRefused() {
    doc_->Owner().DeleteSeasonRecord(doc_->Owner().FindSeason(2001));
    Open();
    QVERIFY(!window_->Command("actionDeleteSeason")->isEnabled());
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    ClickZone(9);
    QCOMPARE(MessageBoxes::Said(), QStringList({QString::fromUtf8(Msg(105))}));
    QCOMPARE(doc_->Owner().Seasons().Count(), 1);
  }

  void CommandsStillToComeSaySo() {
    Open();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kOk});
    window_->Command("actionCurrency")->trigger();
    QCOMPARE(MessageBoxes::Said().size(), 1);
    QVERIFY(MessageBoxes::Said().front().contains("later version"));
  }

  void ServiceCommandOpensTheCalculator() {
    Open();
    QString title;
    AnswerNextModal([&title](QWidget* modal) {
      title = modal->windowTitle();
      ClickButton(modal, QStringLiteral("cancelButton"));
    });
    window_->Command("actionServiceCalculator")->trigger();
    QCOMPARE(title, QStringLiteral("Influence of service success"));
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

  void CloseWithCancelKeepsTheDocument() {
    Open();
    doc_->Owner().AddSeason(2002);
    doc_->MarkModified();
    QVERIFY(doc_->IsModified());
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kCancel});
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QVERIFY(doc_->IsModified());
    QCOMPARE(doc_->Owner().Seasons().Count(), 3);
    QCOMPARE(MessageBoxes::Said(), QStringList({QStringLiteral("Save changes to Moi?")}));
  }

  void CloseWithNoLetsTheWindowGo() {
    Open();
    doc_->Owner().AddSeason(2002);
    doc_->MarkModified();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kNo});
    QVERIFY(window_->close());
  }

  void CloseWithYesSavesFirst() {
    Open();
    doc_->Owner().AddSeason(2002);
    doc_->MarkModified();
    const QString path = env_->Path("Moi.ten");
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    FileChoosers::ScriptPaths({path});
    QVERIFY(window_->close());
    QVERIFY(!doc_->IsModified());
    PROJECT_DOC reread;
    QVERIFY(reread.Read(ToFsPath(path)).ok());
    QCOMPARE(reread.Owner().Seasons().Count(), 3);
    SetCurrentDocument(doc_.get());
  }

  void CloseWithYesButCancelledSaveStaysOpen() {
    Open();
    doc_->Owner().AddSeason(2002);
    doc_->MarkModified();
    MessageBoxes::ScriptAnswers({MessageBoxes::Answer::kYes});
    FileChoosers::ScriptPaths({QString()});
    QVERIFY(!window_->close());
    QVERIFY(doc_->IsModified());
  }

  void LanguageSwitchRetranslatesTheWindow() {
    Open();
    window_->Command("actionLanguage")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window_->Command("actionOpen")->text(), QStringLiteral("&Ouvrir..."));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - Fichier : Moi - Page personnelle"));
    QCOMPARE(window_->Bar().PageList()->itemText(4), QStringLiteral("Palmarès"));
    window_->Command("actionLanguage")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(window_->Command("actionOpen")->text(), QStringLiteral("&Open..."));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Scorvane - File : Moi - Own page"));
  }

  void HoveringLightsAZoneUntilThePointerLeaves() {
    Open();
    QTest::mouseMove(&window_->Pane(), Zone(2).rect.center());
    QCOMPARE(window_->Pane().HoveredZone(), 2);
    QTest::mouseMove(&window_->Pane(), QPoint(137, 160));
    QCOMPARE(window_->Pane().HoveredZone(), 0);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// The statistics page driven as a user would: filters, bars that open their
// matches, choices kept between runs, copying and printing.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "pages/common/charts/match_chart_panel.h"
#include "pages/common/matches/match_viewer.h"
#include "pages/statistics/statistics_filters.h"
#include "pages/statistics/statistics_page.h"
#include "records/club.h"
#include "records/season.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/widget_input.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/chart/chart_widget.h"
#include "widgets/listview/list_control.h"
#include "widgets/print/page_printer.h"

using namespace scorvane;
using namespace scorvane::testing;

class StatisticsPageTest : public WindowFixture {
  Q_OBJECT

 private:
  std::unique_ptr<PAGE_GRAPHIQUES> page_;

  void OpenPage() { page_ = ShownPage<PAGE_GRAPHIQUES>({1000, 760}, true); }
  template <class Widget>
  Widget* Find(const char* name) {
    return page_->findChild<Widget*>(QLatin1String(name));
  }
  // Chooses an entry of a list the way the keyboard does.
  static void Choose(QComboBox* list, int index) {
    list->setFocus();
    while (list->currentIndex() < index)
      QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
      QTest::keyClick(list, Qt::Key_Up);
  }
  // What the next match viewer shows: its title and its opponents.
  QStringList* ReadNextViewer() {
    auto* seen = new QStringList;
    AnswerNextModal([seen](QWidget* modal) {
      auto* viewer = qobject_cast<DLG_VISU_RENCONTRES*>(modal);
      if (viewer) {
        *seen << viewer->findChild<QLabel*>(QStringLiteral("viewerTitle"))->text();
        *seen << ColumnTexts(*viewer->ListControl(), 1);
      }
      modal->close();
    });
    return seen;
  }

 private slots:
  // 2001 (owner 30/1): won against Ann (30/2) on clay, lost to Bob (15/5)
  // on grass, won by walkover against Cid, lost a doubles; 2000: lost to
  // Dan on clay.
  void init() {
    WindowFixture::init();
    Owner().SetFirstName("Julie");
    Owner().SetLastName("Roy");
    DocumentBuilder b(Owner());
    SURFACE* clay = Owner().AddSurface(std::make_unique<SURFACE>("Clay"));
    SURFACE* grass = Owner().AddSurface(std::make_unique<SURFACE>("Grass"));
    b.Season(2000, "30/2");
    b.Singles(b.Tournament("Cup", DATE_SIMPLE(5, 5, 2000)), b.Player("Dan", "Old", {{2000, "30"}}),
              false, "4/6 4/6")
        ->SetSurface(clay);
    b.Season(2001, "30/1");
    EPREUVE_JOUEE* open = b.Tournament("Open", DATE_SIMPLE(3, 5, 2001));
    JOUEUR* ann = b.Player("Ann", "Two", {{2001, "30/2"}});
    b.Singles(open, ann, true, "6/2 6/2")->SetSurface(clay);
    b.Singles(open, b.Player("Bob", "Three", {{2001, "15/5"}}), false, "3/6 3/6")
        ->SetSurface(grass);
    b.Singles(open, b.Player("Cid", "Four"), true, "", RESULTAT_RENCONTRE::kWalkover);
    b.Doubles(open, ann, b.Player("Eve", "Five"), b.Player("Fay", "Six"), false, "6/7 6/7");
    OpenPage();
  }
  void cleanup() {
    page_.reset();
    WindowFixture::cleanup();
  }

  void ValuesOfAFilterWithABoxTickItAndUnreadableAgesKeepTheLastOne() {
    auto* ages = Find<QCheckBox>("agesBox");
    auto* minimum = Find<QLineEdit>("ageMin");
    QVERIFY(!ages->isChecked());
    page_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page_.get()));
    minimum->setFocus();
    ReplaceText(minimum, "30");
    QVERIFY(ages->isChecked());
    // Nobody has a birth year: no match is left.
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 0 / 5"));
    ReplaceText(minimum, "x");
    QCOMPARE(page_->Filters().Filter().age_min, 30);
    Find<QLineEdit>("ageMax")->setFocus();
    QCOMPARE(minimum->text(), QStringLiteral("30"));
    ages->click();
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 5 / 5"));

    auto* comparison = Find<QCheckBox>("comparisonBox");
    Choose(Find<QComboBox>("comparison"), 1);  // worse ranked
    QVERIFY(comparison->isChecked());
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 1 / 5"));
  }

  void ClickingABarOpensTheViewerWithExactlyItsMatches() {
    Choose(&page_->ChartPanel().Choice(), 4);  // results per surface
    const GROUPE_RENCONTRES* clay_lost = nullptr;
    for (const GROUPE_RENCONTRES& group : page_->ChartPanel().Groups()) {
      if (group.label == "Matches lost on Clay") clay_lost = &group;
    }
    QVERIFY(clay_lost);
    std::unique_ptr<QStringList> seen(ReadNextViewer());
    emit page_->ChartPanel().Chart().zoneClicked(2, clay_lost->id);
    QCOMPARE(*seen, (QStringList{"Matches lost on Clay", "Dan Old"}));

    // A click on an axis label, or on a value without matches behind it,
    // opens nothing.
    std::unique_ptr<QStringList> none(ReadNextViewer());
    emit page_->ChartPanel().Chart().zoneClicked(0, clay_lost->id);
    emit page_->ChartPanel().Chart().zoneClicked(2, 99);
    QCOMPARE(PendingModalAnswers(), 1);
    ClearModalAnswers();
  }

  void FiltersCountChoicesComeBackAtTheNextRunAndResetClearsTheFilters() {
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 5 / 5"));
    Choose(Find<QComboBox>("surface"), Find<QComboBox>("surface")->findText("Clay"));
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 2 / 5"));
    Choose(Find<QComboBox>("surface"), 0);
    Choose(Find<QComboBox>("singlesDoubles"), 1);
    Choose(&page_->ChartPanel().Choice(), 2);
    OpenPage();
    QCOMPARE(Find<QComboBox>("singlesDoubles")->currentIndex(), 1);
    QCOMPARE(page_->ChartPanel().Choice().currentIndex(), 2);
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 4 / 5"));
    QTest::mouseClick(Find<QPushButton>("resetFilters"), Qt::LeftButton);
    QCOMPARE(Find<QComboBox>("singlesDoubles")->currentIndex(), 0);
    QCOMPARE(page_->ChartPanel().Choice().currentIndex(), 2);
    QCOMPARE(page_->CountText(), QStringLiteral("Selected matches : 5 / 5"));
    OpenPage();
    QCOMPARE(Find<QComboBox>("singlesDoubles")->currentIndex(), 0);
  }

  void CopyAsTextPutsTheChartOnTheClipboard() {
    Choose(Find<QComboBox>("wonLost"), 1);
    const QList<QAction*> menu = page_->ChartPanel().Chart().actions();
    const auto copy_text = std::find_if(menu.begin(), menu.end(), [](const QAction* action) {
      return action->objectName() == QStringLiteral("copyAsText");
    });
    QVERIFY(copy_text != menu.end());
    (*copy_text)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Won and lost matches\n"
                                                               "Selected matches : 2 / 5\n"
                                                               "Matches won : 2 (2 matches)\n"));
  }

  void PrintsTheCountTheFiltersInForceAndTheChart() {
    Choose(Find<QComboBox>("singlesDoubles"), 1);
    Choose(Find<QComboBox>("wonLost"), 2);
    QCOMPARE(page_->PrintTitle(), QStringLiteral("Julie Roy - Statistics on played matches"));
    const QString path = Path("statistics.pdf");
    QVERIFY(ExportPdf(*page_, path));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text.waitForFinished(20000) || text.exitCode() != 0) QSKIP("pdftotext is not available");
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* line : {"Selected matches : 2 / 5", "- Only singles", "- Lost matches",
                             "Won and lost matches", "Matches lost (100%)"})
      QVERIFY2(printed.contains(QLatin1String(line)), line);
  }
};

QTEST_MAIN(StatisticsPageTest)
#include "statistics_page_test.moc"

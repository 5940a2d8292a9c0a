// The choice of the French rules and the "what if" panel, driven as a user
// does; the planned matches never touch the document.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include "pages/common/rules_choice.h"
#include "pages/own/own_page.h"
#include "pages/own/own_page_views.h"
#include "pages/report/report_page.h"
#include "pages/report/what_if_panel.h"
#include "pages/summary/points_box_view.h"
#include "pages/summary/summary_page.h"
#include "records/document.h"
#include "tests/support/document_builder.h"
#include "tests/support/ui/window_fixture.h"

using namespace scorvane;
using namespace scorvane::testing;

class FrenchRulesTest : public WindowFixture {
  Q_OBJECT

 private:
  // A man ranked 30 in 2001 who beat three 30 and lost to a 30/1.
  void Season() {
    DocumentBuilder b(Owner());
    b.Season(2001, "30");
    EPREUVE_JOUEE* open = b.Tournament("Open de Lyon", DATE_SIMPLE(3, 5, 2001));
    for (int i = 0; i < 3; ++i)
      b.Singles(open, b.Player("Paul", "P" + std::to_string(i), {{2001, "30"}}), true, "6/4 6/4");
    b.Singles(open, b.Player("Luc", "Fort", {{2001, "30/1"}}), false, "2/6 2/6");
    Doc().SetModifiedFlag(false);
  }
  static QString Text(const std::string& text) { return QString::fromStdString(text); }

 private slots:
  void init() {
    WindowFixture::init();
    PlannedMatches().clear();
  }

  void ChoiceOfRulesIsASettingSharedByTheReportAndTheSummary() {
    Season();
    const auto report = ShownPage<DETAILS_FFT>({900, 700}, true);
    QComboBox* rules = report->RulesChoice();
    QCOMPARE(rules->currentText(), QStringLiteral("2000 rules"));
    QVERIFY(report->ScaleButton(0)->isVisible());
    QVERIFY(Text(report->ReportText())
                .startsWith("\n##GRAS_17##ESTIMATION DU CLASSEMENT A PARTIR DE LA SAISON 2001\n"));

    // One step down the list: the rules of 2019.
    rules->setFocus();
    QTest::keyClick(rules, Qt::Key_Down);
    QCOMPARE(rules->currentText(), QStringLiteral("Rules of 2019"));
    QCOMPARE(QSettings("Zezovu", "Scorvane").value("Règles FFT/Année").toInt(), 2019);
    const QString text = Text(report->ReportText());
    QVERIFY(
        text.startsWith("\n##GRAS_17##RANKING ESTIMATE FROM THE 2001 SEASON\n"
                        "Rules of the 2019 sports year, end-of-year ranking\n"));
    // 270 (three wins one échelon above) holds 30/1: the descent limit.
    QVERIFY(text.contains("\tBILAN: 270 points  (norm: 210)  held\n"));
    QVERIFY(text.contains("Ranking calculated for 2002: 30/1\n"));
    QVERIFY(!report->ScaleButton(0)->isVisible());  // the tables are the 2000 ones

    // The summary's points box follows the setting, and changes it too.
    PAGE_SAISON summary;
    summary.InitialUpdate();
    auto* box = summary.findChild<PointsBoxView*>();
    QCOMPARE(box->RulesChoice().currentText(), QStringLiteral("Rules of 2019"));
    QVERIFY(box->LineTexts().contains(QStringLiteral("Rules of 2019, bilan at 30/1")));
    QVERIFY(box->LineTexts().contains(QStringLiteral("Probable result: 30/1")));
    box->RulesChoice().setFocus();
    QTest::keyClick(&box->RulesChoice(), Qt::Key_Up);
    QCOMPARE(ChosenFrenchRules(), 2000);
    QVERIFY(box->LineTexts().contains(QStringLiteral("2000 scale")));
    QVERIFY(!Doc().IsModified());
  }

  void PlannedMatchesChangeTheEstimateAndNeverTheDocument() {
    Season();
    ChooseFrenchRules(2019);
    const auto report = ShownPage<DETAILS_FFT>({900, 700}, true);
    QVERIFY(!report->Panel()->isVisible());
    QTest::mouseClick(report->WhatIfButton(), Qt::LeftButton);
    QVERIFY(report->Panel()->isVisible());

    // Two wins over a 15/5, then one changed into a win over a 15/4.
    WhatIfPanel* panel = report->Panel();
    auto* opponent = panel->findChild<QComboBox*>("plannedOpponent");
    opponent->setFocus();
    QTest::keyClicks(opponent, "15/5");
    QCOMPARE(opponent->currentText(), QStringLiteral("15/5"));
    auto* add = panel->findChild<QPushButton*>("addPlanned");
    QTest::mouseClick(add, Qt::LeftButton);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(panel->List()->count(), 2);
    QCOMPARE(panel->List()->item(0)->text(),
             QStringLiteral("Won against 15/5 · Tournament · Classic format"));
    // At 30: 2 x 90 + 3 x 60 = 360 holds it; at 15/5, 2 x 60 + 3 x 30 = 210.
    QCOMPARE(panel->Changes()->text(),
             QStringLiteral("Result: 30 (30/1 without the planned matches)\n"
                            "Bilan at 30: 360 points (270 at 30/1)\n"
                            "Victories kept: 5 (3)\n"
                            "Missing for 15/5: 95 points (105 for 30)"));
    QVERIFY(Text(report->ReportText()).contains("\tplanned\t\t15/5\tcoef. 1\t"));

    QTest::keyClick(opponent, Qt::Key_Down);
    QTest::mouseClick(panel->findChild<QPushButton*>("changePlanned"), Qt::LeftButton);
    QCOMPARE(panel->List()->item(1)->text(),
             QStringLiteral("Won against 15/4 · Tournament · Classic format"));
    QTest::mouseClick(panel->findChild<QPushButton*>("removePlanned"), Qt::LeftButton);
    QCOMPARE(panel->List()->count(), 1);
    QCOMPARE(PlannedMatches().size(), 1u);

    // Cleared by one button: the report is the season's own again.
    QTest::mouseClick(panel->findChild<QPushButton*>("clearPlanned"), Qt::LeftButton);
    QCOMPARE(panel->List()->count(), 0);
    QVERIFY(panel->Changes()->text().isEmpty());
    QVERIFY(!Text(report->ReportText()).contains("planned"));
    QVERIFY(!Doc().IsModified());
  }

  void OwnPageSentenceOpensThePanelWithItsWins() {
    Season();
    ChooseFrenchRules(2019);
    const auto own = ShownPage<PAGE_PERSO>({900, 700}, true);
    QCOMPARE(own->AdviceSentence(),
             QStringLiteral("7 wins over 30/3 or better would take you to 30"));
    QSignalSpy asked(own.get(), &PageView::ShowPageRequested);
    auto* card = own->findChild<OwnCardView*>();
    card->repaint();
    QVERIFY(card->AdviceArea().height() > 0);
    QTest::mouseClick(card, Qt::LeftButton, {}, card->AdviceArea().center().toPoint());
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.front().front().toInt(), static_cast<int>(PageView::kCalculationReport));
    QCOMPARE(PlannedMatches().size(), 7u);
    const auto report = ShownPage<DETAILS_FFT>({900, 700}, true);
    QVERIFY(report->Panel()->isVisible());
    QCOMPARE(report->Panel()->List()->count(), static_cast<int>(PlannedMatches().size()));
  }
};

QTEST_MAIN(FrenchRulesTest)
#include "french_rules_test.moc"

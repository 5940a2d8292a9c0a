// Guards the ranking entry: grades best first or a number box, and what it
// reads back. Its messages are shown by the season and ranking dialogs' tests.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ranking/ranking_registry.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/ranking_entry.h"

namespace scorvane {

class RankingEntryTest : public testing::WindowFixture {
  Q_OBJECT

 private slots:
  void GradeSystemsListTheGradesBestFirst() {
    RankingEntry entry;
    QVERIFY(entry.IsGradeList());
    QCOMPARE(entry.Grades()->count(), 25);
    QCOMPARE(entry.Grades()->itemText(0), QString("1S"));
    QCOMPARE(entry.Grades()->itemText(24), QString("NC"));
    entry.SetValue(CLASSEMENT(5));
    QCOMPARE(entry.Grades()->currentText(), QString("30/1"));
    QCOMPARE(entry.Value().Value(), 5);
  }

  void NumberSystemsTakeATypedNumber() {
    Registry().SetActive(Registry().FindBuiltIn("ATP"));
    RankingEntry entry;
    QVERIFY(!entry.IsGradeList());
    entry.SetValue(CLASSEMENT(57));
    QCOMPARE(entry.Number()->text(), QString("57"));
    entry.Number()->clear();
    QTest::keyClicks(entry.Number(), "1400");
    QCOMPARE(entry.Value().Value(), 1400);
    for (const char* bad : {"1401", "0", "abc", ""}) {
      entry.Number()->setText(bad);
      QCOMPARE(entry.Value().Value(), -1);
      QVERIFY(entry.Number()->text().isEmpty());
    }
  }

  void AnEmptyGradeSystemGivesAnEmptyList() {
    SYSTEME_CLASSEMENT& empty = Registry().FreeWorkingSystem();
    empty = SYSTEME_CLASSEMENT();
    empty.AddGrade("only");
    empty.SetScale(0, -1, true);
    Registry().SetActive(&empty);
    RankingEntry entry;
    QCOMPARE(entry.Grades()->count(), 0);
    QCOMPARE(entry.Value().Value(), -1);
  }
};

}  // namespace scorvane

QTEST_MAIN(scorvane::RankingEntryTest)
#include "ranking_entry_test.moc"

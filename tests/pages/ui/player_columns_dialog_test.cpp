// Guards the players' column chooser: one box per optional column (the
// head-to-head counts included), the future-rank box only under the French
// system, OK returns the flags and Cancel changes nothing.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "pages/players/player_columns_dialog.h"
#include "tests/support/ui/modal.h"
#include "tests/support/ui/window_fixture.h"

using namespace scorvane;
using namespace scorvane::testing;

namespace {

QCheckBox* Box(const QWidget& dialog, const QString& text) {
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    if (box->text() == text) return box;
  }
  return nullptr;
}

std::vector<bool> AllShown(bool shown) {
  return std::vector<bool>(DLG_COLONNES_JOUEURS::kColumnCount, shown);
}

// Queues unticking a box of the next chooser, then a click on one of its buttons.
void UntickInNextModal(const QString& box, QDialogButtonBox::StandardButton button) {
  AnswerNextModal([box, button](QWidget* modal) {
    Box(*modal, box)->click();
    modal->findChild<QDialogButtonBox*>()->button(button)->click();
  });
}

}  // namespace

class PlayerColumnsDialogTest : public WindowFixture {
  Q_OBJECT

 private slots:
  void EachBoxSetsItsColumn_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");
    QTest::newRow("age") << QStringLiteral("Age") << 5;
    QTest::newRow("birth year") << QStringLiteral("Year of birth") << 4;
    QTest::newRow("rank") << QStringLiteral("Current ranking") << 8;
    QTest::newRow("future rank") << QStringLiteral("Expected future ranking") << 9;
    QTest::newRow("club") << QStringLiteral("Club") << 6;
    QTest::newRow("comment") << QStringLiteral("Comment") << 16;
    QTest::newRow("count") << QStringLiteral("Player counter") << 0;
    QTest::newRow("licence") << QStringLiteral("Licence number") << 7;
    QTest::newRow("sex") << QStringLiteral("Sex") << 1;
    QTest::newRow("address") << QStringLiteral("Address") << 10;
    QTest::newRow("e-mail") << QStringLiteral("e-mail") << 12;
    QTest::newRow("home phone") << QStringLiteral("Home phone") << 13;
    QTest::newRow("portable") << QStringLiteral("Mobile phone") << 15;
    QTest::newRow("work phone") << QStringLiteral("Work phone") << 14;
    QTest::newRow("town") << QStringLiteral("Town") << 11;
    QTest::newRow("won") << QStringLiteral("Matches won against the player") << 17;
    QTest::newRow("lost") << QStringLiteral("Matches lost against the player") << 18;
  }
  void EachBoxSetsItsColumn() {
    QFETCH(QString, text);
    QFETCH(int, column);
    DLG_COLONNES_JOUEURS dialog(AllShown(false), /*french_system=*/true);
    dialog.show();
    QCheckBox* box = Box(dialog, text);
    QVERIFY(box != nullptr);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    // The first and last names (columns 2 and 3) are always shown.
    std::vector<bool> expected = AllShown(false);
    expected[static_cast<size_t>(column)] = expected[2] = expected[3] = true;
    QCOMPARE(dialog.ShownFlags(), expected);
  }

  void ShowsTheCurrentFlags() {
    std::vector<bool> shown = AllShown(false);
    shown[5] = shown[11] = true;
    DLG_COLONNES_JOUEURS dialog(shown, true);
    QVERIFY(Box(dialog, QStringLiteral("Age"))->isChecked());
    QVERIFY(Box(dialog, QStringLiteral("Town"))->isChecked());
    QVERIFY(!Box(dialog, QStringLiteral("Club"))->isChecked());
    QVERIFY(Box(dialog, QStringLiteral("First name")) == nullptr);
    // A short list of flags is completed with hidden columns.
    std::vector<bool> completed = AllShown(false);
    completed[0] = completed[1] = completed[2] = completed[3] = true;
    QCOMPARE(DLG_COLONNES_JOUEURS({true, true}, true).ShownFlags(), completed);
  }

  void FutureRankOnlyUnderTheFrenchSystem() {
    std::vector<bool> shown = AllShown(false);
    shown[9] = true;
    DLG_COLONNES_JOUEURS other(shown, /*french_system=*/false);
    other.show();
    QVERIFY(!Box(other, QStringLiteral("Expected future ranking"))->isVisible());
    // The hidden box leaves the column's flag as it was.
    QVERIFY(other.ShownFlags()[9]);
    DLG_COLONNES_JOUEURS french(shown, true);
    french.show();
    QVERIFY(Box(french, QStringLiteral("Expected future ranking"))->isVisible());
  }

  void OkReturnsTheFlagsCancelNothing() {
    UntickInNextModal(QStringLiteral("Sex"), QDialogButtonBox::Ok);
    std::vector<bool> expected = AllShown(true);
    expected[1] = false;
    QCOMPARE(DLG_COLONNES_JOUEURS::Choose(nullptr, AllShown(true), true).value_or(AllShown(true)),
             expected);
    UntickInNextModal(QStringLiteral("Age"), QDialogButtonBox::Cancel);
    QVERIFY(!DLG_COLONNES_JOUEURS::Choose(nullptr, AllShown(true), true).has_value());
  }
};

QTEST_MAIN(PlayerColumnsDialogTest)
#include "player_columns_dialog_test.moc"

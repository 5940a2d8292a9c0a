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
  void EachBoxSetsItsColumn() {
    // Each column's box; the first and last names (columns 2 and 3) have none.
    const QStringList boxes = QStringLiteral(
                                  "Player counter|Sex|||Year of birth|Age|Club|Licence number|"
                                  "Current ranking|Expected future ranking|Address|Town|e-mail|"
                                  "Home phone|Work phone|Mobile phone|Comment|"
                                  "Matches won against the player|Matches lost against the player")
                                  .split(u'|');
    for (qsizetype column = 0; column < boxes.size(); ++column) {
      const QString& text = boxes[column];
      if (text.isEmpty()) continue;
      DLG_COLONNES_JOUEURS dialog(AllShown(false), /*french_system=*/true);
      dialog.show();
      QCheckBox* box = Box(dialog, text);
      QVERIFY2(box != nullptr, qPrintable(text));
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
      // The names are always shown.
      std::vector<bool> expected = AllShown(false);
      expected[static_cast<size_t>(column)] = expected[2] = expected[3] = true;
      QVERIFY2(dialog.ShownFlags() == expected, qPrintable(text));
    }
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

// The players' column chooser: one box per optional column (the
// head-to-head counts included), the future-rank box only under the French
// system, OK returns the flags and Cancel changes nothing.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "pages/players/player_columns_dialog.h"

using namespace scorvane;

namespace {

QCheckBox* Box(const QDialog& dialog, const QString& text) {
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    if (box->text() == text) return box;
  }
  return nullptr;
}

std::vector<bool> AllShown(bool shown) {
  return std::vector<bool>(DLG_COLONNES_JOUEURS::kColumnCount, shown);
}

}  // namespace

class PlayerColumnsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void EachBoxSetsItsColumn_data();
  void EachBoxSetsItsColumn();
  void ShowsTheCurrentFlags();
  void NamesAreAlwaysShown();
  void FutureRankOnlyUnderTheFrenchSystem();
  void OkReturnsTheFlagsCancelNothing();
  void ShortFlagListsAreCompleted();
  void PaintsTheFixedDialogColours();
};

void PlayerColumnsDialogTest::EachBoxSetsItsColumn_data() {
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

void PlayerColumnsDialogTest::EachBoxSetsItsColumn() {
  QFETCH(QString, text);
  QFETCH(int, column);
  DLG_COLONNES_JOUEURS dialog(AllShown(false), /*french_system=*/true);
  dialog.show();
  QCheckBox* box = Box(dialog, text);
  QVERIFY(box != nullptr);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
  std::vector<bool> expected = AllShown(false);
  expected[static_cast<size_t>(column)] = true;
  expected[2] = expected[3] = true;
  QCOMPARE(dialog.ShownFlags(), expected);
}

void PlayerColumnsDialogTest::ShowsTheCurrentFlags() {
  std::vector<bool> shown = AllShown(false);
  shown[5] = shown[11] = true;
  DLG_COLONNES_JOUEURS dialog(shown, true);
  QVERIFY(Box(dialog, QStringLiteral("Age"))->isChecked());
  QVERIFY(Box(dialog, QStringLiteral("Town"))->isChecked());
  QVERIFY(!Box(dialog, QStringLiteral("Club"))->isChecked());
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Information shown for the players"));
  QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 17);
  const auto groups = dialog.findChildren<QGroupBox*>();
  QCOMPARE(groups.size(), 3);
  QVERIFY(std::any_of(groups.begin(), groups.end(), [](const QGroupBox* group) {
    return group->title() == QStringLiteral("Contacts");
  }));
}

void PlayerColumnsDialogTest::NamesAreAlwaysShown() {
  DLG_COLONNES_JOUEURS dialog(AllShown(false), true);
  QVERIFY(Box(dialog, QStringLiteral("First name")) == nullptr);
  const std::vector<bool> flags = dialog.ShownFlags();
  QVERIFY(flags[2]);
  QVERIFY(flags[3]);
}

void PlayerColumnsDialogTest::FutureRankOnlyUnderTheFrenchSystem() {
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

void PlayerColumnsDialogTest::OkReturnsTheFlagsCancelNothing() {
  const std::vector<bool> shown = AllShown(true);
  auto press = [](QDialogButtonBox::StandardButton which, const char* untick) {
    QTimer::singleShot(0, [which, untick] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      Box(*dialog, QString::fromUtf8(untick))->click();
      dialog->findChild<QDialogButtonBox*>()->button(which)->click();
    });
  };
  press(QDialogButtonBox::Ok, "Sex");
  const std::optional<std::vector<bool>> accepted =
      DLG_COLONNES_JOUEURS::Choose(nullptr, shown, true);
  QVERIFY(accepted.has_value());
  std::vector<bool> expected = shown;
  expected[1] = false;
  QCOMPARE(*accepted, expected);
  press(QDialogButtonBox::Cancel, "Age");
  QVERIFY(!DLG_COLONNES_JOUEURS::Choose(nullptr, shown, true).has_value());
}

void PlayerColumnsDialogTest::ShortFlagListsAreCompleted() {
  DLG_COLONNES_JOUEURS dialog({true, true}, true);
  const std::vector<bool> flags = dialog.ShownFlags();
  QCOMPARE(flags.size(), size_t{19});
  QVERIFY(flags[0]);
  QVERIFY(!flags[18]);
}

void PlayerColumnsDialogTest::PaintsTheFixedDialogColours() {
  DLG_COLONNES_JOUEURS dialog(AllShown(true), true);
  dialog.show();
  const QImage image = dialog.grab().toImage();
  QCOMPARE(image.pixelColor(1, 1), QColor(173, 198, 255));
  const QGroupBox* contacts = nullptr;
  for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
    if (group->title() == QStringLiteral("Contacts")) contacts = group;
  }
  QVERIFY(contacts != nullptr);
  const QRect frame = contacts->geometry();
  // Inside the frame, the style may shade the fill very slightly.
  const QColor inside = image.pixelColor(frame.right() - 12, frame.center().y());
  QVERIFY2(std::abs(inside.red() - 255) <= 4 && std::abs(inside.green() - 224) <= 4 &&
               std::abs(inside.blue() - 175) <= 4,
           qPrintable(inside.name()));
}

QTEST_MAIN(PlayerColumnsDialogTest)
#include "player_columns_dialog_test.moc"

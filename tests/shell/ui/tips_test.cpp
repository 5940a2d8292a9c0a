// Guards the tip of the day: reading the tips file (comments, tips for the French
// system, going round, files with nothing to show, a changed file starting
// over) and the dialog with its buttons and settings.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "shell/app/tip_dialog.h"
#include "shell/app/tips.h"
#include "tests/support/ui/window_fixture.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

class TipsTest : public WindowFixture {
  Q_OBJECT

 private:
  QString WriteTips(const QByteArray& text, const QString& name = "tips_eng.txt") {
    QDir().mkpath(Path("program"));
    const QString path = Path("program/" + name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(text);
    return path;
  }

  QStringList ReadTips(const QString& path, bool french_system, int count) {
    QSettings store = settings::User();
    TipsFile tips;
    if (!tips.Open({path}, store)) return {QStringLiteral("<not opened>")};
    QStringList read;
    for (int i = 0; i < count; ++i)
      read << tips.Next(french_system);
    tips.StorePosition(store);
    return read;
  }

 private slots:
  void Reading() {
    const std::tuple<QByteArray, bool, QStringList> cases[] = {
        // Comments and blank lines skipped, going round.
        {"; comment\nOne\n  indented\n\tTabbed\n\nTwo\r\n", false, {"One", "Two", "One"}},
        {"#F#Only French\nAll\n", true, {"Only French", "All"}},
        {"#F#Only French\nAll\n", false, {"All", "All"}},
        {"Last", false, {"Last", "Last"}},  // no line end at the end
        {"; only\n; comments\n\n", false, {"", ""}},
        {"#F#a\n#F#b\n", false, {""}},
        {"", false, {""}},
        {"#F#\nReal\n", true, {"Real"}},  // a marker alone is no tip
        // Long lines come in pieces.
        {QByteArray(1500, 'x') + "\nShort\n",
         false,
         {QString(999, 'x'), QString(501, 'x'), "Short"}},
    };
    for (const auto& [file, french_system, tips] : cases) {
      settings::User().clear();  // no position left by the file before
      QCOMPARE(ReadTips(WriteTips(file), french_system, static_cast<int>(tips.size())), tips);
    }
  }

  // The next start goes on where the last stopped, unless the file changed
  // since or the stored position lies beyond it.
  void TheStoredPositionIsTakenUpAgain() {
    const QString path = WriteTips("One\nTwo\nThree\n");
    QCOMPARE(ReadTips(path, false, 1), QStringList({"One"}));
    QCOMPARE(ReadTips(path, false, 1), QStringList({"Two"}));
    QCOMPARE(settings::User().value(settings::kTipLang).toString(), QStringLiteral("tips_eng.txt"));
    settings::User().setValue(settings::kTipTimeStamp, "Mon Jan  1 00:00:00 1990");
    QCOMPARE(ReadTips(path, false, 1), QStringList({"One"}));
    settings::User().setValue(settings::kTipFilePos, 1000000);
    QSettings store = settings::User();
    TipsFile tips;
    QVERIFY(tips.Open({path}, store));
    QVERIFY(tips.PositionFailed());
    QCOMPARE(tips.Next(false), QStringLiteral("One"));
  }

  void BuiltInTipsAreFoundWithoutAFile() {
    QSettings store = settings::User();
    TipsFile tips;
    QVERIFY(tips.Open(TipsFile::Candidates(Path("nowhere"), true), store));
    QCOMPARE(
        tips.Next(true),
        QStringLiteral("Cliquez sur une zone de l'image de gauche pour changer de page : votre "
                       "page personnelle, les joueurs, les statistiques, le bilan, le palmarès "
                       "et les finances de la saison active."));
  }

  void DialogShowsTipsAndRemembersTheChoice() {
    WriteTips("First tip\nSecond tip\n");
    {
      TipDialog dialog(Path("program"), false);
      QCOMPARE(dialog.TipText(), QStringLiteral("First tip"));
      QVERIFY(dialog.findChild<QCheckBox*>("showAtStartUp")->isChecked());
      QTest::mouseClick(dialog.findChild<QPushButton*>("nextTipButton"), Qt::LeftButton);
      QCOMPARE(dialog.TipText(), QStringLiteral("Second tip"));
      dialog.findChild<QCheckBox*>("showAtStartUp")->setChecked(false);
      QTest::mouseClick(dialog.findChild<QPushButton*>("closeButton"), Qt::LeftButton);
    }
    QCOMPARE(settings::User().value(settings::kTipStartUp).toInt(), 1);
    QVERIFY(!TipDialog::ShowAtStartUp());
    TipDialog again(Path("program"), false);
    QCOMPARE(again.TipText(), QStringLiteral("First tip"));
    QVERIFY(!again.findChild<QCheckBox*>("showAtStartUp")->isChecked());
  }

  void DialogWithAFileOfNothingSaysSo() {
    WriteTips("; nothing here\n");
    TipDialog dialog(Path("program"), false);
    QCOMPARE(dialog.TipText(), QStringLiteral("Error while loading the notes file"));
  }
};

QTEST_MAIN(TipsTest)
#include "tips_test.moc"

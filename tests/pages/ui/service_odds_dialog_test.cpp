// The service calculator: it opens on the kept inputs (50 when none), shows
// the reference values, follows every slider move at once, and keeps the
// inputs in the settings on OK only.
#include <QSettings>
#include <QSlider>
#include <QTest>

#include "pages/service/service_odds_dialog.h"
#include "tests/support/ui/widget_environment.h"
#include "tests/support/ui/widget_input.h"
#include "widgets/settings.h"

using namespace scorvane;
using namespace scorvane::testing;

class ServiceOddsDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WidgetEnvironment> env_;

  static QStringList Outputs(const DLG_PROBAS_SERVICE& dialog) {
    QStringList texts;
    for (int output = 0; output < DLG_PROBAS_SERVICE::kOutputCount; ++output)
      texts << dialog.OutputText(output);
    return texts;
  }

 private slots:
  void init() { env_ = std::make_unique<WidgetEnvironment>(); }
  void cleanup() { env_.reset(); }

  void OpensAtFiftyAndFollowsEveryMove() {
    DLG_PROBAS_SERVICE dialog;
    dialog.show();
    QCOMPARE(dialog.InputText(DLG_PROBAS_SERVICE::kSecondWon), QStringLiteral("50 %"));
    QCOMPARE(Outputs(dialog), (QStringList{"38 %", "25 %", "25 %", "26 %", "21 %"}));
    QVERIFY(!dialog.OutputSlider(DLG_PROBAS_SERVICE::kPoint)->isEnabled());
    // a = 60 by a key, w1 = 75, b = 90.
    QSlider* first_in = dialog.InputSlider(DLG_PROBAS_SERVICE::kFirstIn);
    first_in->setFocus();
    QTest::keyClick(first_in, Qt::Key_PageUp);
    QCOMPARE(dialog.InputText(DLG_PROBAS_SERVICE::kFirstIn), QStringLiteral("60 %"));
    dialog.InputSlider(DLG_PROBAS_SERVICE::kFirstWon)->setValue(75);
    dialog.InputSlider(DLG_PROBAS_SERVICE::kSecondIn)->setValue(90);
    QCOMPARE(Outputs(dialog), (QStringList{"63 %", "45 %", "4 %", "74 %", "79 %"}));
    QCOMPARE(dialog.OutputSlider(DLG_PROBAS_SERVICE::kGame)->value(), 79);
  }

  void InputsAreKeptOnOkOnly() {
    {
      QSettings store = settings::User();
      store.setValue(settings::kServiceFirstIn, 70);
      store.setValue(settings::kServiceSecondWon, 40);
    }
    {
      DLG_PROBAS_SERVICE dialog;
      QCOMPARE(dialog.InputSlider(DLG_PROBAS_SERVICE::kFirstIn)->value(), 70);
      QCOMPARE(dialog.InputSlider(DLG_PROBAS_SERVICE::kSecondWon)->value(), 40);
      QCOMPARE(dialog.InputSlider(DLG_PROBAS_SERVICE::kSecondIn)->value(), 50);
      dialog.InputSlider(DLG_PROBAS_SERVICE::kFirstIn)->setValue(10);
      dialog.show();
      QVERIFY(ClickButton(&dialog, QStringLiteral("cancelButton")));
    }
    QCOMPARE(settings::User().value(settings::kServiceFirstIn).toInt(), 70);
    {
      DLG_PROBAS_SERVICE dialog;
      dialog.InputSlider(DLG_PROBAS_SERVICE::kSecondIn)->setValue(85);
      dialog.show();
      QVERIFY(ClickButton(&dialog, QStringLiteral("okButton")));
    }
    QSettings store = settings::User();
    QCOMPARE(store.value("Probas service/1er service").toInt(), 70);
    QCOMPARE(store.value("Probas service/2eme service").toInt(), 85);
    QCOMPARE(store.value("Probas service/Gain sur 1er service").toInt(), 50);
    QCOMPARE(store.value("Probas service/Gain sur 2eme service").toInt(), 40);
  }
};

QTEST_MAIN(ServiceOddsDialogTest)
#include "service_odds_dialog_test.moc"

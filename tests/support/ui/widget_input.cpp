#include "tests/support/ui/widget_input.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace scorvane::testing {

void ReplaceText(QLineEdit* field, const QString& text) {
  field->selectAll();
  field->del();
  QTest::keyClicks(field, text);
}

bool ClickButton(QWidget* window, const QString& button_name) {
  auto* button = window->findChild<QAbstractButton*>(button_name);
  if (!button) {
    qWarning("no button %s in the window", qPrintable(button_name));
    return false;
  }
  QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

}  // namespace scorvane::testing

#include "tests/support/ui/widget_input.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "widgets/listview/list_control.h"

namespace scorvane::testing {

void ReplaceText(QLineEdit* field, const QString& text) {
  field->selectAll();
  field->del();
  // QTest::keyClicks takes Latin-1 key codes only; an accented letter is
  // typed as a key event carrying its text, as an input method sends it.
  for (const QChar character : text) {
    if (character.unicode() < 0x80) {
      QTest::keyClick(field, character.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
  }
}

void TypeAndLeave(QLineEdit* field, const QString& text) {
  field->setFocus();
  ReplaceText(field, text);
  QTest::keyClick(field, Qt::Key_Tab);
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

void ClickHeading(MY_LIST_CONTROL& list, int column) {
  QHeaderView* header = list.horizontalHeader();
  const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                  header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void SelectRows(MY_LIST_CONTROL& list, std::initializer_list<int> rows) {
  list.ClearSelection();
  for (const int row : rows)
    list.SelectItem(row);
}

void ClickRow(MY_LIST_CONTROL& list, int row, Qt::KeyboardModifiers modifiers) {
  const QRect cell = list.visualRect(list.model()->index(row, 0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, cell.center());
}

void DoubleClickRow(MY_LIST_CONTROL& list, int row, int column) {
  const QPoint cell = list.visualRect(list.model()->index(row, column)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, cell);
}

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

QStringList ColumnTexts(const MY_LIST_CONTROL& list, int column) {
  QStringList texts;
  for (int row = 0; row < list.RowCount(); ++row)
    texts << list.ItemText(row, column);
  return texts;
}

QStringList EnabledButtons(const QWidget& window) {
  QStringList names;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->isVisibleTo(&window) && button->isEnabled() && !button->objectName().isEmpty())
      names << button->objectName();
  }
  names.sort();
  return names;
}

bool StandsOver(const QWidget* widget, const QWidget* window) {
  while (widget && widget != window)
    widget = widget->parentWidget();
  return widget == window;
}

QStringList MenuTexts(const QMenu& menu) {
  QStringList texts;
  for (const QAction* action : menu.actions()) {
    if (!action->isSeparator()) texts << action->text();
  }
  return texts;
}

QAction* FindAction(const QMenu& menu, const QString& text) {
  for (QAction* action : menu.actions()) {
    if (action->text() == text) return action;
    QAction* inner = action->menu() ? FindAction(*action->menu(), text) : nullptr;
    if (inner) return inner;
  }
  return nullptr;
}

}  // namespace scorvane::testing

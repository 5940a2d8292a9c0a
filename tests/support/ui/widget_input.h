// What a user does to one widget and what they see of it, for Qt Test
// programs: typing, clicking, and the texts of lists, menus and buttons.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;

namespace scorvane {
class MY_LIST_CONTROL;
}

namespace scorvane::testing {

// Selects the whole text of the field, deletes it and types `text`.
void ReplaceText(QLineEdit* field, const QString& text);

// Gives the field the focus, replaces its text by typing, then leaves it
// with Tab.
void TypeAndLeave(QLineEdit* field, const QString& text);

// Clicks the button with this object name among the children of `window`;
// false (with a warning) when there is none.
bool ClickButton(QWidget* window, const QString& button_name);

// Clicks the middle of a column's heading of a list.
void ClickHeading(MY_LIST_CONTROL& list, int column);

// Selects exactly these rows of a list.
void SelectRows(MY_LIST_CONTROL& list, std::initializer_list<int> rows);

// Clicks the middle of a row of a list, in its first column.
void ClickRow(MY_LIST_CONTROL& list, int row, Qt::KeyboardModifiers modifiers = {});

// Clicks a cell of a list, then double-clicks it, as a user opens a line.
void DoubleClickRow(MY_LIST_CONTROL& list, int row, int column = 0);

// Shows `window` and makes it the active window, so that leaving a field
// is leaving it; false when it never became active.
bool ShowActive(QWidget& window);

// The texts of one column of a list, top to bottom.
QStringList ColumnTexts(const MY_LIST_CONTROL& list, int column);

// The object names of the buttons of `window` that can be clicked now
// (shown with it and enabled), in alphabetical order.
QStringList EnabledButtons(const QWidget& window);

// True when `widget` is `window` or stands (through its parents) over it.
bool StandsOver(const QWidget* widget, const QWidget* window);

// The texts of a menu's entries, separators left out.
QStringList MenuTexts(const QMenu& menu);

// The entry of a menu or of its submenus with this text, or null.
QAction* FindAction(const QMenu& menu, const QString& text);

}  // namespace scorvane::testing

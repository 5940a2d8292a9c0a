// What a user does to one widget and what they see of it, for Qt Test
// programs: replacing the text of a field by typing, clicking a named button
// a row or a heading of a list, the texts of a list's column, of a menu and the buttons on offer.
#pragma once

#include <QString>
#include <QStringList>

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

// Clicks the button with this object name among the children of `window`;
// false (with a warning) when there is none.
bool ClickButton(QWidget* window, const QString& button_name);

// Clicks the middle of a column's heading of a list.
void ClickHeading(MY_LIST_CONTROL& list, int column);

// Clicks the middle of a row of a list, in its first column.
void ClickRow(MY_LIST_CONTROL& list, int row, Qt::KeyboardModifiers modifiers = {});

// The texts of one column of a list, top to bottom.
QStringList ColumnTexts(const MY_LIST_CONTROL& list, int column);

// The object names of the buttons of `window` that can be clicked now
// (shown with it and enabled), in alphabetical order.
QStringList EnabledButtons(const QWidget& window);

// The texts of a menu's entries, separators left out.
QStringList MenuTexts(const QMenu& menu);

// The entry of a menu or of its submenus with this text, or null.
QAction* FindAction(const QMenu& menu, const QString& text);

}  // namespace scorvane::testing

// What a user does to one widget, for Qt Test programs: replacing the text
// of a field by typing, and clicking a named button of a window.
#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace scorvane::testing {

// Selects the whole text of the field, deletes it and types `text`.
void ReplaceText(QLineEdit* field, const QString& text);

// Clicks the button with this object name among the children of `window`;
// false (with a warning) when there is none.
bool ClickButton(QWidget* window, const QString& button_name);

}  // namespace scorvane::testing

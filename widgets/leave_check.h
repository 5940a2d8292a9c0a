// Checks a field when the user leaves it (with Tab, a click elsewhere),
// the way the entry dialogs check a score, a licence or a year as soon as
// it is typed. Leaving for the dialog's OK or Cancel button does not check:
// OK checks every field itself, and Cancel throws the values away. A focus
// lost to another window (a message box) does not check either, so a check
// that shows a message is never run twice.
#pragma once

#include <functional>

class QWidget;

namespace scorvane {

void CheckOnLeaving(QWidget* field, std::function<void()> check);

}  // namespace scorvane

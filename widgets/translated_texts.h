// Widgets that write their texts in one place: the function given is run at
// once and again each time the interface language changes, so a dialog or
// page built in one language follows a switch to the other while it is open
// (or built but not shown yet).
#pragma once

#include <functional>

class QWidget;

namespace scorvane {

// Runs `write_texts` now, and on every LanguageChange event `widget`
// receives for as long as it lives.
void KeepTranslated(QWidget* widget, std::function<void()> write_texts);

}  // namespace scorvane

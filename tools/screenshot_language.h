// The language option of the screenshot programs: "--lang fr" takes the
// pictures in French (menus, dialogs, catalogue texts, and the dates and
// numbers of a French user), "--lang en" or nothing in English.
#pragma once

#include <QLocale>
#include <QSettings>
#include <algorithm>
#include <cstring>

#include "base/catalogue/messages.h"
#include "shell/app/language.h"
#include "widgets/settings.h"

namespace scorvane::tools {

// Removes "--lang fr|en" from the arguments; true when French is asked for.
inline bool TakeFrenchOption(int& argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--lang") != 0) continue;
    const bool french = std::strcmp(argv[i + 1], "fr") == 0;
    std::copy(argv + i + 2, argv + argc + 1, argv + i);  // the final null too
    argc -= 2;
    return french;
  }
  return false;
}

// Switches the interface and the user's locale, once the clean settings are
// in place; a program started afterwards finds the language in the settings.
inline void UseLanguage(bool french) {
  QLocale::setDefault(french ? QLocale(QLocale::French, QLocale::France)
                             : QLocale(QLocale::English, QLocale::UnitedKingdom));
  QSettings user = settings::User();
  LanguageSwitch::Instance().Apply(french ? kLanguageFrench : kLanguageEnglish, user);
}

}  // namespace scorvane::tools

// Catalogue texts as the widgets show them: the message of a number in the
// interface language, filled with FormatText when it has "%s" or "%d".
#pragma once

#include <QString>
#include <initializer_list>

#include "base/text_format.h"

namespace scorvane {

// The text of message `number` in the current language.
QString CatalogueText(int number);
// The same, its "%s" and "%d" filled in order from `args` (a name holding
// "%s" is written as it is, never filled in turn).
QString CatalogueText(int number, std::initializer_list<TextArg> args);

}  // namespace scorvane

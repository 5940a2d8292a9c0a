// What the entry dialogs keep of a typed text. A one-line field (a name, a
// licence, a place, a score) loses the control characters a paste may bring
// (tabs, line breaks) and the blanks around it; a multi-line field (a
// comment) keeps its line breaks and loses the other control characters.
#pragma once

#include <string>
#include <string_view>

namespace scorvane {

std::string OneLineText(std::string_view typed);
std::string MultiLineText(std::string_view typed);

}  // namespace scorvane

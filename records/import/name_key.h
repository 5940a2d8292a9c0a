// The form in which imported names are compared with the names already
// recorded: letter case, accents and the blanks around and between words
// do not count ("  Éric  LE GALL" and "eric le gall" are the same name).
#pragma once

#include <string>
#include <string_view>

namespace scorvane {

// Upper-case Windows-1252 bytes without accents, words separated by one blank.
std::string NameKey(std::string_view utf8);

}  // namespace scorvane

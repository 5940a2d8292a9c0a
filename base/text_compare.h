// Text helpers shared by the records and the lists: case-insensitive
// equality and the program's sort order for texts.
#pragma once

#include <string>
#include <string_view>

namespace scorvane {

// Upper case of the letters Windows-1252 holds (ASCII and accented Latin letters).
std::string ToUpperText(std::string_view utf8);

// Equality without regard to letter case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The sort order of every list of the program: both texts in upper case,
// compared character by character as signed 8-bit Windows-1252 codes, the
// first difference deciding; when one text ends first it comes after the
// other, so a text that begins a longer one sorts after it (and an empty
// text comes last). Negative, zero or positive like strcmp.
int CompareListTexts(std::string_view a, std::string_view b);

// The same order in two steps, for sorting many texts: a key made once per
// text, then a comparison of keys (CompareListTexts(a, b) equals
// CompareListKeys(ListKey(a), ListKey(b))).
std::string ListKey(std::string_view utf8);
int CompareListKeys(std::string_view a, std::string_view b);

// A text as a quick search compares it: upper case without accents, so that
// "sebas", "SEBAS" and "Séb" all begin "SÉBASTIEN" ("Œ" reads "OE", "ß" "SS").
std::string SearchKey(std::string_view utf8);

}  // namespace scorvane

// Run-time texts by number, in the language of the user interface.
//
// The catalogue does not depend on the translated interface resources, so a
// text always exists: numbers 0..590 give the text of the current language,
// any other number (and a reserved one) gives a single blank.
#pragma once

namespace scorvane {

// Primary-language identifiers of the user interface.
inline constexpr int kLanguageFrench = 12;
inline constexpr int kLanguageEnglish = 9;

// The language of the user interface: kLanguageFrench or kLanguageEnglish.
int CurrentLanguage();
bool IsFrench();
// Any value other than kLanguageFrench selects English (and is stored as 9).
void SetLanguage(int language);

// The text of a message number in the current language; never null, valid
// for the whole run.
const char* Msg(int number);
// The text in a given language, whatever the current one.
const char* MsgIn(int number, int language);

}  // namespace scorvane

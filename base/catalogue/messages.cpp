#include "base/catalogue/messages.h"

#include "base/catalogue/message_table.h"

namespace scorvane {
namespace {

int g_language = kLanguageEnglish;

const char* Find(int number, bool french) {
  if (number < 0 || number >= catalogue::kMessageCount) return nullptr;
  const catalogue::MessagePair& pair = catalogue::kMessageTable[number];
  return french ? pair.french : pair.english;
}

}  // namespace

int CurrentLanguage() {
  return g_language;
}
bool IsFrench() {
  return g_language == kLanguageFrench;
}

void SetLanguage(int language) {
  g_language = language == kLanguageFrench ? kLanguageFrench : kLanguageEnglish;
}

const char* MsgIn(int number, int language) {
  if (language != kLanguageFrench) {
    if (const char* text = Find(number, false)) return text;
  }
  if (const char* text = Find(number, true)) return text;
  return " ";
}

const char* Msg(int number) {
  return MsgIn(number, g_language);
}

}  // namespace scorvane

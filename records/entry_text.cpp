#include "records/entry_text.h"

namespace scorvane {
namespace {

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::string Trimmed(std::string text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string OneLineText(std::string_view typed) {
  std::string kept(typed);
  for (char& c : kept) {
    if (IsControl(c)) c = ' ';
  }
  return Trimmed(std::move(kept));
}

std::string MultiLineText(std::string_view typed) {
  std::string kept;
  kept.reserve(typed.size());
  for (size_t i = 0; i < typed.size(); ++i) {
    const char c = typed[i];
    if (c == '\r') {
      // A Windows line break counts once.
      if (i + 1 < typed.size() && typed[i + 1] == '\n') continue;
      kept.push_back('\n');
    } else if (c == '\n' || !IsControl(c)) {
      kept.push_back(c);
    } else if (c == '\t') {
      kept.push_back(' ');
    }
  }
  return kept;
}

}  // namespace scorvane

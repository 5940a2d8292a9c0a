#include "records/import/name_key.h"

#include "base/text_compare.h"

namespace scorvane {
namespace {

// The letter without its accent, for the upper-case accented letters of
// Windows-1252 (0xC0..0xDD, and Š Œ Ž Ÿ); other bytes are kept.
std::string_view Unaccented(unsigned char c) {
  static constexpr const char* kLatin1[] = {"A", "A", "A", "A", "A", "A", "AE", "C", "E", "E",
                                            "E", "E", "I", "I", "I", "I", "D",  "N", "O", "O",
                                            "O", "O", "O", "x", "O", "U", "U",  "U", "U", "Y"};
  if (c >= 0xC0 && c <= 0xDD && c != 0xD7) return kLatin1[c - 0xC0];
  switch (c) {
    case 0x8A:
      return "S";
    case 0x8C:
      return "OE";
    case 0x8E:
      return "Z";
    case 0x9F:
      return "Y";
    default:
      return {};
  }
}

}  // namespace

std::string NameKey(std::string_view utf8) {
  const std::string upper = ListKey(utf8);
  std::string key;
  bool blank = false;
  for (const char c : upper) {
    if (c == ' ' || c == '\t') {
      blank = !key.empty();
      continue;
    }
    if (blank) key += ' ';
    blank = false;
    const std::string_view plain = Unaccented(static_cast<unsigned char>(c));
    if (plain.empty()) {
      key += c;
    } else {
      key += plain;
    }
  }
  return key;
}

}  // namespace scorvane

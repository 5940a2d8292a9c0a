#include "base/text_compare.h"

#include "base/cp1252.h"

namespace scorvane {
namespace {

// Upper case of one Windows-1252 byte.
unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:
      return 0x8A;  // š
    case 0x9C:
      return 0x8C;  // œ
    case 0x9E:
      return 0x8E;  // ž
    case 0xFF:
      return 0x9F;  // ÿ
    default:
      return c;
  }
}

std::string UpperBytes(std::string_view utf8) {
  std::string bytes = cp1252::FromUtf8(utf8);
  for (char& c : bytes)
    c = static_cast<char>(UpperByte(static_cast<unsigned char>(c)));
  return bytes;
}

}  // namespace

std::string ToUpperText(std::string_view utf8) {
  return cp1252::ToUtf8(UpperBytes(utf8));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return UpperBytes(a) == UpperBytes(b);
}

std::string ListKey(std::string_view utf8) {
  return UpperBytes(utf8);
}

int CompareListKeys(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto ca = static_cast<signed char>(a[i]);
    const auto cb = static_cast<signed char>(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  // A text that ends first comes after the longer one.
  return a.size() < b.size() ? 1 : -1;
}

std::string SearchKey(std::string_view utf8) {
  // The plain letters of the upper-case Windows-1252 letters from 0xC0 on
  // ("" for the few that are no letter).
  static constexpr const char* kFrom0xC0[] = {
      "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
      "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "SS"};
  std::string key;
  for (const char c : UpperBytes(utf8)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xC0 && byte <= 0xDF && kFrom0xC0[byte - 0xC0][0] != '\0') {
      key += kFrom0xC0[byte - 0xC0];
    } else if (byte == 0x8C) {
      key += "OE";
    } else if (byte == 0x8A || byte == 0x8E || byte == 0x9F) {
      key += byte == 0x8A ? 'S' : (byte == 0x8E ? 'Z' : 'Y');
    } else {
      key += c;
    }
  }
  return key;
}

int CompareListTexts(std::string_view a, std::string_view b) {
  return CompareListKeys(ListKey(a), ListKey(b));
}

}  // namespace scorvane

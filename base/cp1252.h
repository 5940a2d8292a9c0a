// Conversion between the UTF-8 texts the program works with and the
// Windows-1252 bytes stored in document and ranking-system files.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace scorvane::cp1252 {

// Every byte has a meaning: the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters U+0081 ... so
// that they are written back unchanged.
std::string ToUtf8(std::string_view bytes);
// The same conversion into an existing string, reusing its storage.
void AssignUtf8(std::string_view bytes, std::string& out);

// True when every byte is below 0x80: such a text is the same in UTF-8 and
// in Windows-1252.
inline bool IsAscii(std::string_view text) {
  // Eight bytes at a time: the texts of a large document add up to megabytes,
  // most of them a few words long, so the ragged end is read as one
  // overlapping word (or two overlapping halves) rather than byte by byte.
  // Inline, as reading a document asks it of every text.
  const char* p = text.data();
  const size_t size = text.size();
  if (size >= sizeof(uint64_t)) {
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    uint64_t any = 0;
    uint64_t word;
    for (size_t at = 0; at + sizeof word <= size; at += sizeof word) {
      std::memcpy(&word, p + at, sizeof word);
      any |= word;
    }
    std::memcpy(&word, p + size - sizeof word, sizeof word);
    return ((any | word) & kHighBits) == 0;
  }
  if (size >= sizeof(uint32_t)) {
    uint32_t first;
    uint32_t last;
    std::memcpy(&first, p, sizeof first);
    std::memcpy(&last, p + size - sizeof last, sizeof last);
    return ((first | last) & 0x80808080u) == 0;
  }
  uint8_t any = 0;
  for (size_t at = 0; at < size; ++at)
    any |= static_cast<uint8_t>(p[at]);
  return (any & 0x80) == 0;
}

// Characters that Windows-1252 cannot hold are written as "?"; the number of
// such replacements is added to *replaced when it is given. Malformed UTF-8
// sequences count as one replaced character each.
std::string FromUtf8(std::string_view utf8, int* replaced = nullptr);

// True when FromUtf8 would replace nothing.
bool CanEncode(std::string_view utf8);

}  // namespace scorvane::cp1252

#include "base/cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace scorvane::cp1252 {
namespace {

// Code points of the bytes 0x80 to 0x9F; the other bytes are their own code point.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// Byte for a code point, or -1 when Windows-1252 has none.
int ByteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Decodes one UTF-8 sequence at text[pos]; returns false on a malformed one.
bool DecodeOne(std::string_view text, size_t& pos, char32_t& cp) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(pos);
  int extra = 0;
  if (lead < 0x80) {
    cp = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    cp = lead & 0x1F;
    extra = 1;
  } else if ((lead & 0xF0) == 0xE0) {
    cp = lead & 0x0F;
    extra = 2;
  } else if ((lead & 0xF8) == 0xF0) {
    cp = lead & 0x07;
    extra = 3;
  } else {
    ++pos;
    return false;
  }
  if (pos + extra >= text.size()) {
    ++pos;
    return false;
  }
  for (int i = 1; i <= extra; ++i) {
    const uint8_t next = byte(pos + i);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  pos += extra + 1;
  return true;
}

}  // namespace

void AssignUtf8(std::string_view bytes, std::string& out) {
  // Most texts of a document are plain ASCII, which is the same in both.
  if (IsAscii(bytes)) {
    out.assign(bytes);
    return;
  }
  // The others are measured first and written in place: a byte above 0x7F
  // takes two bytes in UTF-8, or three for some of 0x80..0x9F.
  size_t size = 0;
  for (const char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    size += b < 0x80 ? 1 : (b <= 0x9F && kHighControls[b - 0x80] >= 0x800 ? 3 : 2);
  }
  out.resize(size);
  char* at = out.data();
  for (const char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    const char32_t cp = b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : b;
    if (cp < 0x80) {
      *at++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
      *at++ = static_cast<char>(0xC0 | (cp >> 6));
      *at++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *at++ = static_cast<char>(0xE0 | (cp >> 12));
      *at++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *at++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  AssignUtf8(bytes, out);
  return out;
}

std::string FromUtf8(std::string_view utf8, int* replaced) {
  if (IsAscii(utf8)) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    const bool ok = DecodeOne(utf8, pos, cp);
    const int b = ok ? ByteFor(cp) : -1;
    if (b < 0) {
      out += '?';
      if (replaced) ++*replaced;
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

bool CanEncode(std::string_view utf8) {
  int replaced = 0;
  FromUtf8(utf8, &replaced);
  return replaced == 0;
}

}  // namespace scorvane::cp1252

#include "base/archive.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/cp1252.h"

namespace scorvane {

static_assert(std::endian::native == std::endian::little,
              "the archive copies values as they lie in memory");

ArchiveError::ArchiveError(Kind kind, std::string detail)
    : std::runtime_error(detail.empty() ? "archive error" : detail),
      kind_(kind),
      detail_(std::move(detail)) {}

ArchiveError ArchiveError::BadFormat(std::string detail) {
  return ArchiveError(Kind::kBadFormat, std::move(detail));
}

ArchiveError ArchiveError::FutureVersion(std::string detail) {
  return ArchiveError(Kind::kFutureVersion, std::move(detail));
}

Archive::Archive() : storing_(true) {}

Archive::Archive(std::span<const uint8_t> data) : storing_(false), data_(data) {}

void Archive::ThrowEndOfFile() {
  throw ArchiveError(ArchiveError::Kind::kEndOfFile, "Unexpected end of file");
}

void Archive::ThrowFutureVersion() {
  throw ArchiveError::FutureVersion();
}

void Archive::WriteText(const std::string& utf8) {
  // Plain ASCII texts, nearly all of a document, are the same bytes in both
  // encodings: a short one goes out with its one-byte length in one copy.
  last_text_replaced_ = false;
  const size_t size = utf8.size();
  const bool ascii = cp1252::IsAscii(utf8);
  if (ascii && size < 0xFF) {
    uint8_t* at = Extend(size + 1);
    at[0] = static_cast<uint8_t>(size);
    std::memcpy(at + 1, utf8.data(), size);
    return;
  }
  std::string converted;
  std::string_view bytes = utf8;
  if (!ascii) {
    int replaced = 0;
    converted = cp1252::FromUtf8(utf8, &replaced);
    bytes = converted;
    if (replaced > 0) {
      last_text_replaced_ = true;
      replaced_chars_ += replaced;
      if (std::find(replaced_texts_.begin(), replaced_texts_.end(), utf8) ==
          replaced_texts_.end()) {
        replaced_texts_.push_back(utf8);
      }
    }
  }
  const size_t n = bytes.size();
  if (n < 0xFF) {
    WriteU8(static_cast<uint8_t>(n));
  } else if (n < 0xFFFE) {
    WriteU8(0xFF);
    WriteU16(static_cast<uint16_t>(n));
  } else {
    WriteU8(0xFF);
    WriteU16(0xFFFF);
    WriteU32(static_cast<uint32_t>(n));
  }
  Put(bytes.data(), n);
}

std::string Archive::StoredForm(const std::string& utf8) {
  return cp1252::ToUtf8(cp1252::FromUtf8(utf8));
}

size_t Archive::ReadTextLength() {
  size_t n = ReadU8();
  if (n == 0xFF) {
    n = ReadU16();
    if (n == 0xFFFF) n = ReadU32();
  }
  Require(n);
  return n;
}

std::string Archive::ReadText() {
  std::string text;
  ReadTextInto(text);
  return text;
}

void Archive::ReadTextInto(std::string& v) {
  const size_t n = ReadTextLength();
  const std::string_view bytes(reinterpret_cast<const char*>(Take(n)), n);
  cp1252::AssignUtf8(bytes, v);
}

bool Archive::ReadTextEquals(std::string_view tag) {
  const size_t n = ReadTextLength();
  const std::string_view bytes(reinterpret_cast<const char*>(Take(n)), n);
  // An ASCII tag is stored as its own bytes; others go through the conversion.
  if (cp1252::IsAscii(tag)) return bytes == tag;
  return cp1252::ToUtf8(bytes) == tag;
}

void Archive::Value(float& v) {
  if (storing_) {
    WriteU32(std::bit_cast<uint32_t>(v));
  } else {
    v = std::bit_cast<float>(ReadU32());
  }
}

}  // namespace scorvane

#include "records/archive.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "records/cp1252.h"

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

void Archive::Require(size_t count, size_t item_size) const {
  if (item_size != 0 && count > Remaining() / item_size) {
    throw ArchiveError(ArchiveError::Kind::kEndOfFile, "Unexpected end of file");
  }
}

const uint8_t* Archive::Take(size_t n) {
  Require(n);
  const uint8_t* p = data_.data() + pos_;
  pos_ += n;
  return p;
}

void Archive::Put(const void* bytes, size_t n) {
  const auto* p = static_cast<const uint8_t*>(bytes);
  out_.insert(out_.end(), p, p + n);
}

void Archive::WriteU8(uint8_t v) {
  out_.push_back(v);
}
void Archive::WriteU16(uint16_t v) {
  Put(&v, sizeof v);
}
void Archive::WriteU32(uint32_t v) {
  Put(&v, sizeof v);
}

uint8_t Archive::ReadU8() {
  return *Take(1);
}

uint16_t Archive::ReadU16() {
  uint16_t v;
  std::memcpy(&v, Take(sizeof v), sizeof v);
  return v;
}

uint32_t Archive::ReadU32() {
  uint32_t v;
  std::memcpy(&v, Take(sizeof v), sizeof v);
  return v;
}

void Archive::WriteText(const std::string& utf8) {
  int replaced = 0;
  const std::string bytes = cp1252::FromUtf8(utf8, &replaced);
  if (replaced > 0) {
    replaced_chars_ += replaced;
    if (std::find(replaced_texts_.begin(), replaced_texts_.end(), utf8) == replaced_texts_.end()) {
      replaced_texts_.push_back(utf8);
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

std::string Archive::ReadText() {
  size_t n = ReadU8();
  if (n == 0xFF) {
    n = ReadU16();
    if (n == 0xFFFF) n = ReadU32();
  }
  const auto* p = reinterpret_cast<const char*>(Take(n));
  return cp1252::ToUtf8(std::string_view(p, n));
}

void Archive::Value(uint8_t& v) {
  if (storing_) {
    WriteU8(v);
  } else {
    v = ReadU8();
  }
}

void Archive::Value(uint16_t& v) {
  if (storing_) {
    WriteU16(v);
  } else {
    v = ReadU16();
  }
}

void Archive::Value(int16_t& v) {
  if (storing_) {
    WriteU16(static_cast<uint16_t>(v));
  } else {
    v = static_cast<int16_t>(ReadU16());
  }
}

void Archive::Value(uint32_t& v) {
  if (storing_) {
    WriteU32(v);
  } else {
    v = ReadU32();
  }
}

void Archive::Value(int32_t& v) {
  if (storing_) {
    WriteU32(static_cast<uint32_t>(v));
  } else {
    v = static_cast<int32_t>(ReadU32());
  }
}

void Archive::Value(float& v) {
  if (storing_) {
    WriteU32(std::bit_cast<uint32_t>(v));
  } else {
    v = std::bit_cast<float>(ReadU32());
  }
}

void Archive::Flag16(bool& v) {
  if (storing_) {
    WriteU16(v ? 1 : 0);
  } else {
    v = (ReadU16() & 0xFF) != 0;
  }
}

void Archive::Flag32(bool& v) {
  if (storing_) {
    WriteU32(v ? 1 : 0);
  } else {
    v = (ReadU32() & 0xFF) != 0;
  }
}

void Archive::Text(std::string& v) {
  if (storing_) {
    WriteText(v);
  } else {
    v = ReadText();
  }
}

uint16_t Archive::Version(uint16_t current) {
  if (storing_) {
    WriteU16(current);
    return current;
  }
  const uint16_t version = ReadU16();
  if (version > current) throw ArchiveError::FutureVersion();
  return version;
}

}  // namespace scorvane

// Writes file bytes by hand, field by field, so that tests can state the
// exact layout of a document (or an older one the program no longer writes):
//
//   ByteWriter w;
//   w.U16(4).Text("SYS.CLASS").Date(14, 7, 1999);
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scorvane::testing {

class ByteWriter {
 public:
  ByteWriter& U8(uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  ByteWriter& U16(uint16_t v) {
    return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8));
  }
  ByteWriter& U32(uint32_t v) {
    return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16));
  }
  ByteWriter& F32(float v);
  // A text of Windows-1252 bytes behind its length (below 255 here).
  ByteWriter& Text(const std::string& latin);
  // DATE_SIMPLE: version, day, month, then ANNEE (version, year).
  ByteWriter& Date(int day, int month, int year) {
    return U16(0)
        .U8(static_cast<uint8_t>(day))
        .U8(static_cast<uint8_t>(month))
        .U16(0)
        .U16(static_cast<uint16_t>(year));
  }
  // CLASSEMENT: version 0 and the value.
  ByteWriter& Ranking(int32_t value) { return U16(0).U32(static_cast<uint32_t>(value)); }
  // SOMME: version 0 and the amount.
  ByteWriter& Amount(float francs) { return U16(0).F32(francs); }
  // The French built-in ranking system's record, as a document embeds it.
  ByteWriter& FrenchSystem();
  ByteWriter& Entry() { return U16(0x0000); }
  ByteWriter& End() { return U16(0xFFFF); }
  ByteWriter& Bytes(const std::vector<uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }

  const std::vector<uint8_t>& Get() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace scorvane::testing

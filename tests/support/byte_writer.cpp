// Little-endian field writers for hand-made file bytes (see byte_writer.h).
#include "tests/support/byte_writer.h"

#include <bit>
#include <stdexcept>

namespace scorvane::testing {

ByteWriter& ByteWriter::F32(float v) {
  return U32(std::bit_cast<uint32_t>(v));
}

ByteWriter& ByteWriter::Text(const std::string& latin) {
  if (latin.size() >= 255) throw std::invalid_argument("short texts only");
  U8(static_cast<uint8_t>(latin.size()));
  for (const char c : latin)
    U8(static_cast<uint8_t>(c));
  return *this;
}

}  // namespace scorvane::testing

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

ByteWriter& ByteWriter::FrenchSystem() {
  Text("SYS.CLASS").U16(2).Text("France");
  Text(
      "Syst\xE8"
      "me de classement fran\xE7"
      "ais\n\xC9"
      "chelons:   NC, 30/5, 30/4, 30/3, 30/2, 30/1, 30, 15/5, 15/4, 15/3, 15/2, 15/1,\n"
      "                  15, 5/6, 4/6, 3/6, 2/6, 1/6, 0, -2/6, -4/6, -15, -30, PROM, 1S");
  Text(
      "French ranking system\nGrades:   NC, 30/5, 30/4, 30/3, 30/2, 30/1, 30, 15/5, 15/4, "
      "15/3, 15/2, 15/1,\n          15, 5/6, 4/6, 3/6, 2/6, 1/6, 0, -2/6, -4/6, -15, -30, "
      "PROM, 1S");
  Text("FRA").U16(1).U16(1).U32(0).U32(24);
  for (const char* grade : {"NC",   "30/5", "30/4", "30/3", "30/2", "30/1", "30",  "15/5", "15/4",
                            "15/3", "15/2", "15/1", "15",   "5/6",  "4/6",  "3/6", "2/6",  "1/6",
                            "0",    "-2/6", "-4/6", "-15",  "-30",  "PROM", "1S"})
    Text(grade);
  return U16(1);
}

}  // namespace scorvane::testing

// Fuzz target: the ranking-system record, as found in ".cla" files and at
// the head of every document. Whatever the bytes, reading must fail cleanly
// or give a system that writes and reads back the same.
#include <cstddef>
#include <cstdint>
#include <span>

#include "ranking/ranking_system.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using scorvane::Archive;
  using scorvane::ArchiveError;
  using scorvane::SYSTEME_CLASSEMENT;

  SYSTEME_CLASSEMENT system;
  try {
    Archive in(std::span<const uint8_t>(data, size));
    system.Serialize(in);
  } catch (const ArchiveError&) {
    return 0;
  }

  // Every operation on what was read stays in bounds.
  for (int64_t value = int64_t{system.Lowest()} - 1; value <= int64_t{system.Lowest()} + 2;
       ++value) {
    if (value >= INT32_MIN && value <= INT32_MAX)
      (void)system.TextOfValue(static_cast<int32_t>(value));
  }
  (void)system.TextOfValue(system.Highest());
  (void)system.IndexOfGrade("NC");
  (void)system.BestValue();

  Archive out;
  system.Serialize(out);
  Archive again(out.Bytes());
  SYSTEME_CLASSEMENT reread;
  reread.Serialize(again);
  if (!reread.IsSameAs(system) || reread.Title() != system.Title() ||
      reread.CodeName() != system.CodeName()) {
    __builtin_trap();
  }
  return 0;
}

// Whole-file reading and crash-safe writing.
//
// A file is never overwritten in place: the new contents go to a temporary
// file in the same folder, which is flushed to disk and then renamed over
// the old file, after which the folder itself is flushed; the old file's
// contents are given back to the disk in the background, once the new file
// is in place. Whatever fails before the rename leaves the old file
// untouched and no temporary file behind, and is reported. A file without
// write permission is never replaced, even in a writable folder: the write
// is refused at once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace scorvane {

// The steps of a safe write, in order; tests make one of them fail.
enum class SaveStep { kCreateTemporary, kWrite, kFlush, kClose, kRename };

// Decides whether a step fails (tests only); the default never fails.
class SaveFaultInjector {
 public:
  virtual ~SaveFaultInjector() = default;
  virtual bool ShouldFail(SaveStep step) = 0;
};
// Installs an injector (not owned) for the following writes; null removes it.
void SetSaveFaultInjector(SaveFaultInjector* injector);

// Writes `bytes` to `path` safely. On failure returns false and puts what
// failed (in the interface language), the file and the system's reason in
// *error.
bool WriteFileSafely(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                     std::string* error);

// Reads a whole file; false with the system's reason when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                   std::string* error);

}  // namespace scorvane

#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace scorvane {
namespace {

SaveFaultInjector* g_injector = nullptr;

// Large documents are written in pieces so that a short write is retried.
constexpr size_t kWriteChunk = 64 * 1024;

bool Fails(SaveStep step) {
  if (g_injector && g_injector->ShouldFail(step)) {
    errno = EIO;
    return true;
  }
  return false;
}

std::string Reason(const std::string& what, const std::filesystem::path& path) {
  return what + " " + path.string() + ": " + std::strerror(errno);
}

// Flushes the folder so that the rename itself survives a power cut.
void FlushFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void SetSaveFaultInjector(SaveFaultInjector* injector) {
  g_injector = injector;
}

bool WriteFileSafely(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                     std::string* error) {
  const std::filesystem::path folder = path.parent_path();
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();

  int fd = -1;
  if (!Fails(SaveStep::kCreateTemporary)) fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    if (error) *error = Reason("Cannot create a temporary file beside", path);
    return false;
  }
  const std::filesystem::path temporary = pattern;
  const auto give_up = [&](const std::string& what) {
    if (error) *error = Reason(what, path);
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    return false;
  };

  // Keep the permissions of the file being replaced; new files follow the umask.
  struct stat old_stat {};
  if (::stat(path.c_str(), &old_stat) == 0) {
    ::fchmod(fd, old_stat.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }

  size_t done = 0;
  while (done < bytes.size()) {
    const size_t piece = std::min(kWriteChunk, bytes.size() - done);
    ssize_t written = -1;
    if (!Fails(SaveStep::kWrite)) written = ::write(fd, bytes.data() + done, piece);
    if (written < 0) {
      if (errno == EINTR) continue;
      return give_up("Cannot write");
    }
    done += static_cast<size_t>(written);
  }
  if (Fails(SaveStep::kFlush) || ::fsync(fd) != 0) return give_up("Cannot flush");
  const bool close_fault = Fails(SaveStep::kClose);
  const int closed = ::close(fd);
  fd = -1;
  if (close_fault || closed != 0) return give_up("Cannot close");
  if (Fails(SaveStep::kRename) || ::rename(temporary.c_str(), path.c_str()) != 0) {
    return give_up("Cannot replace");
  }
  FlushFolder(folder);
  return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                   std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = Reason("Cannot open", path);
    return false;
  }
  struct stat info {};
  const bool is_stat = ::fstat(fd, &info) == 0;
  if (!is_stat || !S_ISREG(info.st_mode)) {
    if (is_stat) errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    if (error) *error = Reason("Cannot read", path);
    ::close(fd);
    return false;
  }
  bytes.resize(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  ::close(fd);
  if (done != bytes.size()) {
    if (error) *error = Reason("Cannot read", path);
    return false;
  }
  return true;
}

}  // namespace scorvane

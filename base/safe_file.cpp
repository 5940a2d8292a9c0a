#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>

#include "base/catalogue/messages.h"

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

// What failed, in the interface language, with the file and the system's reason.
struct Failure {
  const char* english;
  const char* french;
};
constexpr Failure kCannotCreateTemporary{"Cannot create a temporary file beside",
                                         "Impossible de créer un fichier temporaire à côté de"};
constexpr Failure kReadOnly{"Cannot write over the read-only file",
                            "Impossible d'écrire sur le fichier en lecture seule"};
constexpr Failure kCannotWrite{"Cannot write", "Impossible d'écrire"};
constexpr Failure kCannotFlush{"Cannot flush", "Impossible de vider sur le disque"};
constexpr Failure kCannotClose{"Cannot close", "Impossible de fermer"};
constexpr Failure kCannotReplace{"Cannot replace", "Impossible de remplacer"};
constexpr Failure kCannotOpen{"Cannot open", "Impossible d'ouvrir"};
constexpr Failure kCannotRead{"Cannot read", "Impossible de lire"};

std::string Reason(const Failure& what, const std::filesystem::path& path) {
  return std::string(IsFrench() ? what.french : what.english) + " " + path.string() + ": " +
         std::strerror(errno);
}

// A file the user protected is not replaced: the rename would replace it
// whenever the folder is writable, whoever owns it and whatever its mode.
// False (with errno set) for an existing file without write permission.
bool MayReplace(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return true;
  if ((info.st_mode & 0222) == 0) {
    errno = EACCES;
    return false;
  }
  return ::access(path.c_str(), W_OK) == 0;
}

// Flushes the folder so that the rename itself survives a power cut.
void FlushFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The file about to be replaced, held open across the rename so that its
// old contents are not freed by the folder flush that makes the rename
// last. On a disk mounted with online discard, giving back the blocks of a
// large file takes about as long as writing them; held, they are given
// back when the handle is let go, once the new file is safely in place.
// -1 when there is no such file.
int HoldOldVersion(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
}

// Lets go of the old version in the background: nothing waits on its
// blocks being freed.
void ReleaseInBackground(int old_version) {
  if (old_version < 0) return;
  try {
    std::thread([old_version] { ::close(old_version); }).detach();
  } catch (const std::system_error&) {
    ::close(old_version);
  }
}

}  // namespace

void SetSaveFaultInjector(SaveFaultInjector* injector) {
  g_injector = injector;
}

bool WriteFileSafely(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                     std::string* error) {
  const std::filesystem::path folder = path.parent_path();
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();

  if (!MayReplace(path)) {
    if (error) *error = Reason(kReadOnly, path);
    return false;
  }
  int fd = -1;
  if (!Fails(SaveStep::kCreateTemporary)) fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    if (error) *error = Reason(kCannotCreateTemporary, path);
    return false;
  }
  const std::filesystem::path temporary = pattern;
  const auto give_up = [&](const Failure& what) {
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
      return give_up(kCannotWrite);
    }
    done += static_cast<size_t>(written);
  }
  if (Fails(SaveStep::kFlush) || ::fsync(fd) != 0) return give_up(kCannotFlush);
  const bool close_fault = Fails(SaveStep::kClose);
  const int closed = ::close(fd);
  fd = -1;
  if (close_fault || closed != 0) return give_up(kCannotClose);
  const int old_version = HoldOldVersion(path);
  if (Fails(SaveStep::kRename) || ::rename(temporary.c_str(), path.c_str()) != 0) {
    const int reason = errno;
    if (old_version >= 0) ::close(old_version);
    errno = reason;
    return give_up(kCannotReplace);
  }
  FlushFolder(folder);
  ReleaseInBackground(old_version);
  return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes,
                   std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = Reason(kCannotOpen, path);
    return false;
  }
  struct stat info {};
  const bool is_stat = ::fstat(fd, &info) == 0;
  if (!is_stat || !S_ISREG(info.st_mode)) {
    if (is_stat) errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    if (error) *error = Reason(kCannotRead, path);
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
    if (error) *error = Reason(kCannotRead, path);
    return false;
  }
  return true;
}

}  // namespace scorvane

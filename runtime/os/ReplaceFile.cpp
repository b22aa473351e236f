#include "os/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zentoir::os {
namespace {

// The folder part of a path ("." when it has none), to sync after the rename.
std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of('/');
  if (cut == std::string::npos) return ".";
  return cut == 0 ? "/" : path.substr(0, cut);
}

// Creates a new file beside `path` that nobody else has opened; -1 on failure.
int CreateTemporaryBeside(const std::string& path, std::string& temporaryPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath = path + ".new" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    const int fd = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAllTo(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);  // best effort: the rename is already done
  close(fd);
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  struct stat old;
  const bool exists = lstat(path.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return false;
  if (!exists && errno != ENOENT) return false;

  std::string temporaryPath;
  const int fd = CreateTemporaryBeside(path, temporaryPath);
  if (fd < 0) return false;
  bool written = WriteAllTo(fd, bytes);
  if (written && exists) written = fchmod(fd, old.st_mode & 07777) == 0;
  written = written && fsync(fd) == 0;
  written = (close(fd) == 0) && written;
  if (!written || rename(temporaryPath.c_str(), path.c_str()) != 0) {
    unlink(temporaryPath.c_str());
    return false;
  }
  SyncFolder(FolderOf(path));
  return true;
}

}  // namespace zentoir::os

#include "os/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace zentoir::os {

std::string PlatformPath(const std::string& gamePath) {
  std::string path = gamePath;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, uint64_t limit) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            static_cast<uint64_t>(info.st_size) <= limit;
  if (ok) {
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (ok && done < bytes.size()) {
      const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) ok = false;
      done += n > 0 ? static_cast<size_t>(n) : 0;
    }
  }
  close(fd);
  if (!ok) bytes.clear();
  return ok;
}

}  // namespace zentoir::os

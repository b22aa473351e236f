#include "os/ExclusiveFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zentoir::os {

bool AppendExclusive(const char* path, std::string_view bytes) {
  int fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = flock(fd, LOCK_EX | LOCK_NB) == 0 && lseek(fd, 0, SEEK_END) >= 0;
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (ok && left > 0) {
    ssize_t n = write(fd, p, left);
    if (n <= 0) ok = false;
    p += n > 0 ? n : 0;
    left -= n > 0 ? static_cast<size_t>(n) : 0;
  }
  close(fd);
  return ok;
}

}  // namespace zentoir::os

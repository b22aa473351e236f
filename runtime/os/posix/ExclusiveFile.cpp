#include "os/ExclusiveFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentoir::os {

bool AppendExclusive(const char* path, std::string_view bytes) {
  // O_NONBLOCK: a FIFO at the path is not waited on; it is refused below, like a device.
  int fd = open(path, O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            lseek(fd, 0, SEEK_END) >= 0;
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

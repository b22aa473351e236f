#include <fcntl.h>
#include <unistd.h>

#include "os/Paths.h"
#include "os/ReplaceFile.h"

namespace zentoir::os {

// The rename is durable once the folder is synced.
void KeepReplacement(const std::string& path) {
  const std::string folder = FolderOf(path);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace zentoir::os

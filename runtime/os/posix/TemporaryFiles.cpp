#include "os/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "os/Paths.h"

namespace zentoir::os {
namespace {

// Gone: the system knows no process of that id (one of another user, or a zombie, still
// counts as running). An id no process can have is never taken as gone.
bool ProcessGone(unsigned long pid) {
  if (pid == 0 || pid > static_cast<unsigned long>(std::numeric_limits<pid_t>::max())) return false;
  return kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

bool IsOwnRegularFile(int folder, const char* name) {
  struct stat info;
  return fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
         info.st_uid == geteuid();
}

}  // namespace

void RemoveLeftoverTemporariesBeside(const std::string& path) {
  const std::string folder = FolderOf(path);
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (!listing) return;
  const int fd = dirfd(listing);
  while (const dirent* entry = readdir(listing)) {
    if (ProcessGone(WriterOfTemporaryName(entry->d_name)) && IsOwnRegularFile(fd, entry->d_name))
      unlinkat(fd, entry->d_name, 0);
  }
  closedir(listing);
}

}  // namespace zentoir::os

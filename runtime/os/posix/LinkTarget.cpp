#include "os/LinkTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace zentoir::os {

std::string OwnLinkTarget(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved)) return "";
  if (lstat(resolved, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) return "";
  return resolved;
}

}  // namespace zentoir::os

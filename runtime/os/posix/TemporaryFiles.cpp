#include "os/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <string_view>

#include "os/Paths.h"

namespace zentoir::os {
namespace {

constexpr std::string_view kPrefix = ".~zentoir-";

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The writer's process id in one of our temporary names; 0 for any other name.
pid_t WriterOf(std::string_view name) {
  if (!name.starts_with(kPrefix)) return 0;
  name.remove_prefix(kPrefix.size());
  const size_t dash = name.find('-');
  if (dash == std::string_view::npos || !AllDigits(name.substr(dash + 1))) return 0;
  const std::string_view digits = name.substr(0, dash);
  pid_t pid = 0;
  if (!AllDigits(digits) ||
      std::from_chars(digits.data(), digits.data() + digits.size(), pid).ec != std::errc()) {
    return 0;
  }
  return pid;
}

// Gone: the system knows no process of that id (one of another user, or a zombie, still
// counts as running).
bool ProcessGone(pid_t pid) {
  return pid > 0 && kill(pid, 0) != 0 && errno == ESRCH;
}

bool IsOwnRegularFile(int folder, const char* name) {
  struct stat info;
  return fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
         info.st_uid == geteuid();
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return FolderOf(path) + std::string(kPrefix) + std::to_string(getpid()) + "-" +
         std::to_string(counter++);
}

void RemoveLeftoverTemporariesBeside(const std::string& path) {
  const std::string folder = FolderOf(path);
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (!listing) return;
  const int fd = dirfd(listing);
  while (const dirent* entry = readdir(listing)) {
    if (ProcessGone(WriterOf(entry->d_name)) && IsOwnRegularFile(fd, entry->d_name))
      unlinkat(fd, entry->d_name, 0);
  }
  closedir(listing);
}

}  // namespace zentoir::os

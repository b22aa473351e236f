#include "os/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "os/Paths.h"
#include "os/TemporaryFiles.h"

namespace zentoir::os {
namespace {

constexpr int kNameAttempts = 100;

// True when the path is missing or names a regular file (not through a link).
bool FreeOrRegular(const std::string& path, struct stat& old, bool& exists) {
  exists = lstat(path.c_str(), &old) == 0;
  return exists ? S_ISREG(old.st_mode) : errno == ENOENT;
}

// Gives the new file the old one's permission bits and owner (the owner only where the
// process may; otherwise the writer stays the owner).
void CopyModeAndOwner(const std::string& temporary, const struct stat& old) {
  chmod(temporary.c_str(), old.st_mode & 07777);
  if (chown(temporary.c_str(), old.st_uid, old.st_gid) != 0) {
    // Not allowed for an ordinary user: nothing to do.
  }
}

}  // namespace

bool FileReplacement::Begin(const std::string& path) {
  Discard();
  struct stat old;
  bool exists = false;
  if (!FreeOrRegular(path, old, exists)) return false;
  RemoveLeftoverTemporariesBeside(path);
  for (int attempt = 0; attempt < kNameAttempts && !output_.IsOpen(); ++attempt) {
    temporary_ = TemporaryNameBeside(path);
    if (!output_.CreateExclusive(temporary_) && errno != EEXIST) break;
  }
  if (!output_.IsOpen()) {
    temporary_.clear();
    return false;
  }
  target_ = path;
  if (exists) CopyModeAndOwner(temporary_, old);
  return true;
}

bool FileReplacement::Commit() {
  if (!Active()) return false;
  const bool synced = output_.Sync();
  output_.Close();
  // Checked again: something else may have been put at the path meanwhile.
  struct stat old;
  bool exists = false;
  if (!synced || !FreeOrRegular(target_, old, exists) ||
      std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    Discard();
    return false;
  }
  temporary_.clear();
  KeepReplacement(target_);
  return true;
}

void FileReplacement::Discard() {
  output_.Close();
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

}  // namespace zentoir::os

#include "os/FileReplacement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace zentoir::os {
namespace {

constexpr int kNameAttempts = 100;

// The folder part of a path, with its trailing '/', or "" for the current folder.
std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of('/');
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// A short hidden name in the target's folder that no other writer uses at once.
std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return FolderOf(path) + ".~zentoir-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
}

// Gives the new file the old one's permission bits and owner (the owner only where the
// process may; a failure there keeps the writer as owner).
void CopyModeAndOwner(const std::string& temporary, const struct stat& old) {
  chmod(temporary.c_str(), old.st_mode & 07777);
  if (chown(temporary.c_str(), old.st_uid, old.st_gid) != 0) {
    // Not allowed for an ordinary user; the file stays the writer's own.
  }
}

// True when the path is missing or names a regular file (also through a link).
bool FreeOrRegular(const std::string& path, struct stat& old, bool& exists) {
  exists = stat(path.c_str(), &old) == 0;
  return exists ? S_ISREG(old.st_mode) : errno == ENOENT;
}

}  // namespace

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : output_(std::move(other.output_)),
      target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)) {
  other.temporary_.clear();
}

FileReplacement& FileReplacement::operator=(FileReplacement&& other) noexcept {
  if (this != &other) {
    Discard();
    output_ = std::move(other.output_);
    target_ = std::move(other.target_);
    temporary_ = std::exchange(other.temporary_, std::string());
  }
  return *this;
}

bool FileReplacement::Begin(const std::string& path) {
  Discard();
  struct stat old;
  bool exists = false;
  if (!FreeOrRegular(path, old, exists)) return false;
  for (int attempt = 0; attempt < kNameAttempts && !output_.IsOpen(); ++attempt) {
    temporary_ = TemporaryNameBeside(path);
    if (output_.CreateExclusive(temporary_)) break;
    if (errno != EEXIST) break;
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
  return true;
}

void FileReplacement::Discard() {
  output_.Close();
  if (!temporary_.empty()) unlink(temporary_.c_str());
  temporary_.clear();
}

bool ReplaceRegularFile(const std::string& path, std::span<const uint8_t> bytes) {
  FileReplacement replacement;
  return replacement.Begin(path) && replacement.Output().WriteAll(bytes.data(), bytes.size()) &&
         replacement.Commit();
}

}  // namespace zentoir::os

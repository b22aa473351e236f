#include "os/ReplaceFile.h"

#include <cerrno>

#include "os/TemporaryFiles.h"
#include "os/windows/FileKinds.h"

namespace zentoir::os {
namespace {

constexpr int kNameAttempts = 100;

// The attributes a replaced file keeps; the others (read-only among them, which refuses
// the replacement) are not carried over.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Gives the new file the old one's kept attributes; best effort, like a file's mode.
void CopyAttributes(const std::string& target, const std::string& temporary) {
  const DWORD old = GetFileAttributesA(target.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & kKeptAttributes) != 0)
    SetFileAttributesA(temporary.c_str(), (old & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE);
}

}  // namespace

bool FileReplacement::Begin(const std::string& path) {
  Discard();
  if (!MayReplaceFile(path)) return false;
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
  return true;
}

bool FileReplacement::Commit() {
  if (!Active()) return false;
  const bool synced = output_.Sync();
  output_.Close();
  // Checked again: something else may have been put at the path meanwhile.
  if (!synced || !MayReplaceFile(target_)) {
    Discard();
    return false;
  }
  CopyAttributes(target_, temporary_);
  // MOVEFILE_WRITE_THROUGH: the rename, too, is on the disk before this returns.
  if (!MoveFileExA(temporary_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Discard();
    return false;
  }
  temporary_.clear();
  return true;
}

// MOVEFILE_WRITE_THROUGH has made the rename last already.
void KeepReplacement(const std::string&) {}

void FileReplacement::Discard() {
  output_.Close();
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
  temporary_.clear();
}

}  // namespace zentoir::os

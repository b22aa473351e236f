// Crash-safe replacement of a whole file, the one way every writer of the runtime and
// its tools puts a file on disk (images, file channels, copies, extracted archive
// entries, settings and line files, the packer's targets):
//  - only a missing path or a regular file is replaced; a directory, link, FIFO, socket
//    or device node is refused and left alone;
//  - the bytes go into a new temporary file beside the target (same folder, so the
//    rename stays on one file system), reach the disk, and only then take the old
//    file's name. Until that rename the old file is untouched, so a write that fails
//    part way (a full disk, a killed program) leaves the old file as it was;
//  - the temporary files that writers killed before their rename left in the folder are
//    removed by the next replacement there (see TemporaryFiles.h);
//  - a replaced file keeps its permission bits (and its owner, where the process may
//    set it); a new one gets 0666 less the umask like any created file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "os/File.h"

namespace zentoir::os {

// A replacement written piece by piece: Begin, write to Output, then Commit (or
// Discard). Dropping it without Commit discards it.
class FileReplacement {
 public:
  FileReplacement() = default;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  ~FileReplacement() { Discard(); }

  // Starts replacing `path`: false when the path holds anything but a regular file or
  // the temporary file cannot be created. Discards a replacement under way.
  bool Begin(const std::string& path);
  bool Active() const { return output_.IsOpen(); }

  // The temporary file; what is written here becomes the file at Commit.
  File& Output() { return output_; }

  // Syncs the temporary file and renames it over the target. False (the temporary file
  // removed, the target untouched) when any step fails or nothing was begun.
  bool Commit();

  // Drops the temporary file; the target stays as it was.
  void Discard();

 private:
  File output_;
  std::string target_;
  std::string temporary_;
};

// Makes a replacement that took the name `path` last: its folder's new entry reaches
// the disk, or, in the browser, the file reaches the page's lasting storage. Best
// effort: the replacement itself is already done.
void KeepReplacement(const std::string& path);

// Replaces the file at `path` with `bytes`, or creates it, in one call. False when the
// path holds anything but a regular file or the write fails; the old file then stays.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

inline bool ReplaceFileContents(const std::string& path, std::span<const uint8_t> bytes) {
  return ReplaceFileContents(
      path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace zentoir::os

// Writing a file without ever destroying what stands at its path by accident.
//
// Every writer of the runtime and its tools goes through FileReplacement (or its
// one-call form ReplaceRegularFile):
//  - only a missing path or a regular file (also one reached through a link) is
//    replaced; a directory, FIFO, socket or device node is refused and left alone;
//  - the bytes go into a new temporary file beside the target (same folder, so the
//    final rename stays on one file system), which is synced and then renamed over the
//    target. Until that rename the old file is untouched, so a write that fails part
//    way (a full disk, a killed program) leaves the old file as it was;
//  - the new file keeps the old file's permission bits (and, where allowed, its owner);
//    a new file gets 0666 less the umask, like any created file.
// A link at the path is replaced by the file itself, never written through.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "os/File.h"

namespace zentoir::os {

class FileReplacement {
 public:
  FileReplacement() = default;
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;
  FileReplacement(FileReplacement&& other) noexcept;
  FileReplacement& operator=(FileReplacement&& other) noexcept;
  ~FileReplacement() { Discard(); }

  // Starts replacing `path`: false when the path holds something other than a regular
  // file or the temporary file cannot be created. Discards a replacement under way.
  bool Begin(const std::string& path);
  bool Active() const { return output_.IsOpen(); }

  // The temporary file; the bytes written here become the file at Commit.
  File& Output() { return output_; }

  // Syncs the temporary file and renames it over the target. False (and the temporary
  // file removed, the target untouched) when any step fails or nothing was begun.
  bool Commit();

  // Drops the temporary file; the target stays as it was.
  void Discard();

 private:
  File output_;
  std::string target_;
  std::string temporary_;
};

// Replaces (or creates) the regular file at `path` with exactly `bytes`, as described
// above. False when the path holds no regular file or the write fails; the old file is
// then unchanged.
bool ReplaceRegularFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace zentoir::os

// Reading the resource archive at the end of a file: the trailer, the directory entries
// in order, and one stored file decompressed. Every position and size read from the
// file is checked against the file before it is used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ArchiveFormat.h"
#include "os/File.h"

namespace zentoir {

class ArchiveReader {
 public:
  enum class OpenStatus {
    kOpened,
    kCannotOpen,  // the file is missing or cannot be read
    kNoTrailer,   // the file does not end in an archive trailer
    kReadFailed   // the trailer could not be read
  };

  OpenStatus Open(const std::string& path);
  void Close() { file_.Close(); }

  // The next directory entry. False at the closing 0 byte, at a short read and at any
  // entry that does not fit in the file; `DirectoryComplete` tells which.
  bool NextEntry(ArchiveEntry& entry);
  bool DirectoryComplete() const { return directoryComplete_; }

  // The first entry, in directory order, whose name equals `baseName` ignoring ASCII case.
  bool FindEntry(std::string_view baseName, ArchiveEntry& entry);

  // The entry's file, decompressed. Nothing when its bytes lie outside the file or the
  // stream is corrupt or does not give exactly the recorded unpacked size.
  std::optional<std::vector<uint8_t>> ReadFile(const ArchiveEntry& entry);

  // Offset of the directory, -1 when the trailer points outside the file.
  int64_t DirectoryOffset() const { return directoryOffset_; }
  int64_t FileSize() const { return fileSize_; }

 private:
  os::File file_;
  int64_t fileSize_ = 0;
  int64_t nextEntry_ = -1;  // offset of the next directory entry, -1 when done
  int64_t directoryOffset_ = -1;
  bool directoryComplete_ = false;
};

}  // namespace zentoir

// Plain files through the system's own file calls. Only regular files are opened: a FIFO,
// device or directory at a path is refused without blocking on it. Where the system has
// sharing modes (Windows), files are opened without sharing. Elsewhere they are not
// locked: a file is written anew through a new file (see ReplaceFile.h), so a reader
// keeps the file it opened, and an advisory lock could not keep other openers out anyway.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentoir::os {

class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  ~File() { Close(); }

  // Opens an existing regular file for reading. Anything else fails at once: a FIFO
  // without a writer or a device is never waited on.
  bool OpenRead(const std::string& path);
  // Creates a new, empty file for reading and writing; fails (errno EEXIST) when
  // anything, also a link, has that name.
  bool CreateExclusive(const std::string& path);
  // Deletes a regular file (or link) of that name and creates it anew, empty, for
  // reading and writing. Fails, deleting nothing, when a directory, FIFO, socket or
  // device has that name. Writers that replace a file use ReplaceFile.h instead.
  bool CreateAnew(const std::string& path);
  void Close();
  bool IsOpen() const { return handle_ != kClosed; }

  // Size in bytes, -1 on failure.
  int64_t Size() const;
  // Current position, -1 on failure.
  int64_t Position() const;
  bool Seek(int64_t offset);
  bool SeekBy(int64_t delta);

  // Reads up to `count` bytes (fewer only at the end of the file or on an error);
  // returns the number read, or -1 when the read fails before any byte arrives.
  int64_t Read(void* buffer, size_t count);
  // True when exactly `count` bytes were read.
  bool ReadExact(void* buffer, size_t count);
  // True when all bytes were written.
  bool WriteAll(const void* bytes, size_t count);
  // Waits until the written bytes are on the disk; true on success.
  bool Sync();

 private:
  // A descriptor, or a handle where the system has those; kClosed when none is open.
  static constexpr intptr_t kClosed = -1;
  intptr_t handle_ = kClosed;
};

// Reads a whole regular file of at most `limit` bytes. False (and `bytes` empty) when
// it cannot be opened or read, or is larger.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   int64_t limit = int64_t{1} << 30);

// Deletes a regular file or a link; true on success. A FIFO, socket or device node is
// never deleted.
bool RemoveFile(const std::string& path);

// A path as game code writes it, ready for the platform: every separator, '/' or '\',
// becomes the platform's own.
std::string NativePath(std::string_view path);

// True when nothing is at the path or a regular file is: a name that may be deleted and
// created anew without harming a folder, device, pipe or link that happens to be there.
bool MayReplaceFile(const std::string& path);

}  // namespace zentoir::os

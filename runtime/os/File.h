// Plain files through POSIX descriptors. They are not locked: a file written anew is
// always deleted and created again, so a reader keeps the file it opened, and an
// advisory lock could not keep other openers out anyway.
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

  // Opens an existing regular file for reading (directories fail).
  bool OpenRead(const std::string& path);
  // Deletes any file of that name and creates it anew, empty, for reading and writing.
  bool CreateAnew(const std::string& path);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

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
  int fd_ = -1;
};

// Reads a whole regular file of at most `limit` bytes. False (and `bytes` empty) when
// it cannot be opened or read, or is larger.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   int64_t limit = int64_t{1} << 30);

// Deletes a file; true on success.
bool RemoveFile(const std::string& path);

// A path as game code writes it, ready for the platform: every '\' becomes '/'.
std::string NativePath(std::string_view path);

// True when nothing is at the path or a regular file is: a name that may be deleted and
// created anew without harming a folder, device, pipe or link that happens to be there.
bool MayReplaceFile(const std::string& path);

}  // namespace zentoir::os

#include "os/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zentoir::os {

File::File(File&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
  }
  return *this;
}

bool File::OpenRead(const std::string& path) {
  Close();
  // O_NONBLOCK: opening a FIFO must not wait for a writer. It is only used for the
  // open; the kind is checked on the open file, so nothing can be swapped in between.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  struct stat info;
  if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
                  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)) {
    close(fd);
    fd = -1;
  }
  handle_ = fd;
  return IsOpen();
}

bool File::CreateExclusive(const std::string& path) {
  Close();
  // O_EXCL: never write through a link someone placed under this name.
  handle_ = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return IsOpen();
}

bool File::CreateAnew(const std::string& path) {
  Close();
  struct stat info;
  if (lstat(path.c_str(), &info) == 0) {
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) return false;
    unlink(path.c_str());
  }
  return CreateExclusive(path);
}

void File::Close() {
  if (handle_ >= 0) close(handle_);
  handle_ = -1;
}

int64_t File::Size() const {
  struct stat info;
  if (handle_ < 0 || fstat(handle_, &info) != 0) return -1;
  return info.st_size;
}

int64_t File::Position() const {
  return handle_ < 0 ? -1 : lseek(handle_, 0, SEEK_CUR);
}

bool File::Seek(int64_t offset) {
  return handle_ >= 0 && offset >= 0 && lseek(handle_, offset, SEEK_SET) == offset;
}

bool File::SeekBy(int64_t delta) {
  return handle_ >= 0 && lseek(handle_, delta, SEEK_CUR) >= 0;
}

int64_t File::Read(void* buffer, size_t count) {
  if (handle_ < 0) return -1;
  auto* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    ssize_t n = read(handle_, out + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return done > 0 ? static_cast<int64_t>(done) : -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

bool File::WriteAll(const void* bytes, size_t count) {
  if (handle_ < 0) return false;
  const auto* in = static_cast<const char*>(bytes);
  while (count > 0) {
    ssize_t n = write(handle_, in, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    in += n;
    count -= static_cast<size_t>(n);
  }
  return true;
}

bool File::Sync() {
  return handle_ >= 0 && fsync(handle_) == 0;
}

bool RemoveFile(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0 || !(S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
    return false;
  return unlink(path.c_str()) == 0;
}

std::string NativePath(std::string_view path) {
  std::string native(path);
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

bool MayReplaceFile(const std::string& path) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}

}  // namespace zentoir::os

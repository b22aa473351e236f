#include "FuzzInput.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zentoir::fuzz {
namespace {

void RemoveTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(PrivateTempDir(), ignored);
}

}  // namespace

std::string BytesAsFile(const uint8_t* data, size_t size) {
  static const int fd = memfd_create("fuzz-input", MFD_CLOEXEC);
  if (fd < 0) std::abort();
  if (ftruncate(fd, 0) != 0) std::abort();
  size_t written = 0;
  while (written < size) {
    const ssize_t now = pwrite(fd, data + written, size - written, static_cast<off_t>(written));
    if (now <= 0) std::abort();
    written += static_cast<size_t>(now);
  }
  return "/proc/self/fd/" + std::to_string(fd);
}

const std::string& PrivateTempDir() {
  // Never destroyed: the exit step that removes the folder runs after static destructors.
  static const std::string& dir = *new std::string([] {
    std::string pattern = (std::filesystem::temp_directory_path() / "zentoir-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    setenv("TMPDIR", pattern.c_str(), 1);
    std::atexit(RemoveTempDir);
    return pattern;
  }());
  return dir;
}

uint8_t InputTaker::Byte() {
  return at_ < size_ ? data_[at_++] : 0;
}

uint64_t InputTaker::Bits64() {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i)
    bits = bits << 8 | Byte();
  return bits;
}

double InputTaker::Double() {
  const uint64_t bits = Bits64();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::span<const uint8_t> InputTaker::Bytes(size_t count) {
  const size_t taken = std::min(count, size_ - std::min(at_, size_));
  const std::span<const uint8_t> bytes(data_ + std::min(at_, size_), taken);
  at_ += taken;
  return bytes;
}

}  // namespace zentoir::fuzz

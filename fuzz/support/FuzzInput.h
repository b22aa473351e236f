// Helpers for fuzz targets whose reader takes a file rather than bytes, or whose input
// is a sequence of operations rather than one block of data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zentoir::fuzz {

// Puts the bytes into one in-memory file kept for the whole run and returns a path that
// opens it ("/proc/self/fd/N"). The path stays the same from call to call.
std::string BytesAsFile(const uint8_t* data, size_t size);

// A private folder made the process's TMPDIR on the first call (error log, extracted
// files); it is removed with everything in it when the process ends.
const std::string& PrivateTempDir();

// Takes values from the front of the input; past its end every value is 0.
class InputTaker {
 public:
  InputTaker(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte();
  uint64_t Bits64();
  double Double();  // any 8 bytes as they are, NaN and infinities included
  // The next `count` bytes, fewer at the end.
  std::span<const uint8_t> Bytes(size_t count);
  std::span<const uint8_t> Rest() { return Bytes(size_ - at_); }
  bool Empty() const { return at_ >= size_; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace zentoir::fuzz

#include "text/DynString.h"

#include <cstdlib>
#include <cstring>

#include "base/Stop.h"
#include "text/NumberText.h"
#include "text/NumberWriters.h"

namespace zentoir {
namespace {

constexpr uint32_t kGranularity = 512;
constexpr uint32_t kNumberReserve = 64;

// Capacity for a needed length: rounded down to a multiple of 512, plus 512.
uint32_t CapacityFor(uint32_t needed) {
  return (needed & ~(kGranularity - 1)) + kGranularity;
}

uint32_t CStringLength(const char* text) {
  return text ? static_cast<uint32_t>(std::strlen(text)) : 0;
}

// A text too long for the 32-bit length ends the program like an allocation failure.
uint32_t CheckedSum(uint32_t a, uint32_t b) {
  if (b > UINT32_MAX - kGranularity - a) StopWithError(kErrorArgument);
  return a + b;
}

}  // namespace

char* DynString::SharedEmpty() noexcept {
  static char empty[1] = {0};
  return empty;
}

void DynString::InitEmptyText() noexcept {
  buffer = SharedEmpty();
  capacity = 0;
  length = 0;
}

void DynString::ReleaseText() noexcept {
  if (buffer && buffer != SharedEmpty()) std::free(buffer);
  buffer = nullptr;
  capacity = 0;
  length = 0;
}

char* DynString::ReserveText(uint32_t needed) {
  if (capacity > needed) return buffer;
  if (needed > UINT32_MAX - kGranularity) StopWithError(kErrorArgument);
  const uint32_t newCapacity = CapacityFor(needed);
  // realloc keeps the contents and can often grow the block in place.
  const bool owned = capacity > 0;
  char* fresh =
      static_cast<char*>(owned ? std::realloc(buffer, newCapacity) : std::malloc(newCapacity));
  if (!fresh) StopWithError(kErrorArgument);
  if (owned) {
    fresh[length] = 0;
  } else {
    fresh[0] = 0;
  }
  buffer = fresh;
  capacity = newCapacity;
  return buffer;
}

void DynString::RecountText() noexcept {
  if (capacity == 0 || buffer[0] == 0) {
    length = 0;
    return;
  }
  const void* nul = std::memchr(buffer, 0, capacity);
  length = nul ? static_cast<uint32_t>(static_cast<const char*>(nul) - buffer) : capacity;
}

void DynString::TruncateAt(uint32_t index) noexcept {
  buffer[index] = 0;
  RecountText();
}

void DynString::AssignBytes(const char* bytes, uint32_t count) {
  // The source may lie inside our own buffer; remember where before it can move.
  const bool inside = capacity > 0 && bytes >= buffer && bytes < buffer + capacity;
  const size_t offset = inside ? static_cast<size_t>(bytes - buffer) : 0;
  ReserveText(count);
  if (inside) bytes = buffer + offset;
  if (count > 0) std::memmove(buffer, bytes, count);
  buffer[count] = 0;
  length = count;
}

void DynString::AppendBytes(const char* bytes, uint32_t count) {
  const bool inside = capacity > 0 && bytes >= buffer && bytes < buffer + capacity;
  const size_t offset = inside ? static_cast<size_t>(bytes - buffer) : 0;
  const uint32_t newLength = CheckedSum(length, count);
  ReserveText(newLength);
  if (inside) bytes = buffer + offset;
  if (count > 0) std::memmove(buffer + length, bytes, count);
  buffer[newLength] = 0;
  length = newLength;
}

void DynString::AssignInteger(int32_t value) {
  ReserveText(kNumberReserve);
  length = WriteIntegerText(buffer, value);
}

void DynString::AssignNumber(double value) {
  ReserveText(kNumberReserve);
  length = WriteNumberText(buffer, value);
}

DynString::DynString(const DynString& other) : DynString() {
  AssignBytes(other.CStr(), other.length);
}

DynString::DynString(DynString&& other) noexcept
    : buffer(other.buffer), capacity(other.capacity), length(other.length) {
  other.InitEmptyText();
}

DynString::DynString(const char* text) : DynString() {
  AssignBytes(text ? text : "", CStringLength(text));
}

DynString::DynString(const char* bytes, uint32_t count) : DynString() {
  AssignBytes(bytes, count);
}

DynString::DynString(std::string_view bytes) : DynString() {
  AssignBytes(bytes.data(), CheckedSum(0, static_cast<uint32_t>(bytes.size())));
}

DynString& DynString::operator=(const DynString& other) {
  if (this != &other) AssignBytes(other.CStr(), other.length);
  return *this;
}

DynString& DynString::operator=(DynString&& other) noexcept {
  if (this != &other) {
    ReleaseText();
    buffer = other.buffer;
    capacity = other.capacity;
    length = other.length;
    other.InitEmptyText();
  }
  return *this;
}

DynString& DynString::operator=(const char* text) {
  AssignBytes(text ? text : "", CStringLength(text));
  return *this;
}

DynString& DynString::operator+=(const DynString& other) {
  AppendBytes(other.CStr(), other.length);
  return *this;
}

DynString& DynString::operator+=(const char* text) {
  AppendBytes(text ? text : "", CStringLength(text));
  return *this;
}

DynString operator+(const DynString& left, const DynString& right) {
  DynString result(left);
  result += right;
  return result;
}

DynString operator+(const DynString& left, const char* right) {
  DynString result(left);
  result += right;
  return result;
}

DynString operator+(const char* left, const DynString& right) {
  DynString result(left);
  result += right;
  return result;
}

DynString operator+(DynString&& left, const DynString& right) {
  DynString result(static_cast<DynString&&>(left));
  result += right;
  return result;
}

DynString operator+(DynString&& left, const char* right) {
  DynString result(static_cast<DynString&&>(left));
  result += right;
  return result;
}

int CompareText(const char* a, const char* b) {
  const int c = std::strcmp(a ? a : "", b ? b : "");
  return (c > 0) - (c < 0);
}

double TextEquals(const DynString& a, const DynString& b) {
  return a.length == b.length && CompareText(a.CStr(), b.CStr()) == 0;
}
double TextEquals(const char* a, const char* b) {
  return CompareText(a, b) == 0;
}
double TextDiffers(const char* a, const char* b) {
  return CompareText(a, b) != 0;
}

double operator==(const DynString& a, const DynString& b) {
  return TextEquals(a, b);
}
double operator==(const DynString& a, const char* b) {
  return TextEquals(a.CStr(), b);
}
double operator==(const char* a, const DynString& b) {
  return TextEquals(a, b.CStr());
}
double operator!=(const DynString& a, const DynString& b) {
  return TextDiffers(a.CStr(), b.CStr());
}
double operator!=(const DynString& a, const char* b) {
  return TextDiffers(a.CStr(), b);
}
double operator!=(const char* a, const DynString& b) {
  return TextDiffers(a, b.CStr());
}
double operator<(const DynString& a, const DynString& b) {
  return CompareText(a.CStr(), b.CStr()) < 0;
}
double operator<(const DynString& a, const char* b) {
  return CompareText(a.CStr(), b) < 0;
}
double operator<(const char* a, const DynString& b) {
  return CompareText(a, b.CStr()) < 0;
}
double operator>(const DynString& a, const DynString& b) {
  return CompareText(a.CStr(), b.CStr()) > 0;
}
double operator>(const DynString& a, const char* b) {
  return CompareText(a.CStr(), b) > 0;
}
double operator>(const char* a, const DynString& b) {
  return CompareText(a, b.CStr()) > 0;
}
double operator<=(const DynString& a, const DynString& b) {
  return CompareText(a.CStr(), b.CStr()) <= 0;
}
double operator<=(const DynString& a, const char* b) {
  return CompareText(a.CStr(), b) <= 0;
}
double operator<=(const char* a, const DynString& b) {
  return CompareText(a, b.CStr()) <= 0;
}
double operator>=(const DynString& a, const DynString& b) {
  return CompareText(a.CStr(), b.CStr()) >= 0;
}
double operator>=(const DynString& a, const char* b) {
  return CompareText(a.CStr(), b) >= 0;
}
double operator>=(const char* a, const DynString& b) {
  return CompareText(a, b.CStr()) >= 0;
}

double TextAsNumber(const DynString& text) {
  return TextToNumber(text);
}

double CompareTextNumber(const DynString& text, double number) {
  const double value = TextToNumber(text);
  return (value > number) - (value < number);
}

}  // namespace zentoir

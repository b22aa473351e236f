// DynString: the one text type of the runtime and of game code.
//
// A byte string that owns its buffer (deep copies, no sharing), except that every
// fresh string points at one shared, never-written empty buffer. Buffers grow in
// steps of 512 bytes and never shrink, so repeated appends allocate rarely.
#pragma once

#include <concepts>
#include <cstdint>
#include <string_view>

namespace zentoir {

// The number types that mix with texts. Characters and bools are left out, so that
// `text += 'a'` does not quietly append "97".
template <typename T>
concept TextNumber = (std::integral<T> || std::floating_point<T>)&&!std::same_as<T, bool> &&
                     !std::same_as<T, char> && !std::same_as<T, signed char> &&
                     !std::same_as<T, unsigned char> && !std::same_as<T, char8_t>;

class DynString {
 public:
  // The record's fields: the buffer (owned, or the shared empty string), the bytes
  // allocated (0 while shared) and the text length without the terminating NUL.
  char* buffer;
  uint32_t capacity;
  uint32_t length;

  DynString() noexcept { InitEmptyText(); }
  DynString(const DynString& other);
  DynString(DynString&& other) noexcept;
  DynString(const char* text);  // NOLINT: literals convert implicitly
  DynString(const char* bytes, uint32_t count);
  explicit DynString(std::string_view bytes);
  template <TextNumber N>
  explicit DynString(N value) : DynString() {
    *this = value;
  }
  ~DynString() { ReleaseText(); }

  DynString& operator=(const DynString& other);
  DynString& operator=(DynString&& other) noexcept;
  DynString& operator=(const char* text);
  // A number is written as its text: integers up to 32 bits as decimal digits, other
  // numbers by NumberToText.
  template <TextNumber N>
  DynString& operator=(N value) {
    if constexpr (std::integral<N> && sizeof(N) <= 4 &&
                  (std::signed_integral<N> || sizeof(N) < 4)) {
      AssignInteger(static_cast<int32_t>(value));
    } else {
      AssignNumber(static_cast<double>(value));
    }
    return *this;
  }

  DynString& operator+=(const DynString& other);
  DynString& operator+=(const char* text);
  template <TextNumber N>
  DynString& operator+=(N value) {
    return *this += DynString(value);
  }

  // Record operations.
  void InitEmptyText() noexcept;
  void ReleaseText() noexcept;
  // Makes room for `needed` bytes plus the NUL; returns the buffer for a caller that
  // writes into it directly (and then calls RecountText).
  char* ReserveText(uint32_t needed);
  void RecountText() noexcept;
  const char* CStr() const noexcept { return length > 0 ? buffer : ""; }
  int CharAt(uint32_t index) const noexcept {
    return length > 0 ? static_cast<signed char>(buffer[index]) : 0;
  }
  void SetCharAt(uint32_t index, int byte) noexcept { buffer[index] = static_cast<char>(byte); }
  void TruncateAt(uint32_t index) noexcept;

  // Conveniences for runtime code.
  std::string_view View() const noexcept { return {CStr(), length}; }
  operator std::string_view() const noexcept { return View(); }  // NOLINT: for the base layer
  bool IsEmpty() const noexcept { return length == 0; }
  void AssignBytes(const char* bytes, uint32_t count);
  void AppendBytes(const char* bytes, uint32_t count);
  void AssignInteger(int32_t value);
  void AssignNumber(double value);

  // The shared empty buffer of every fresh string.
  static char* SharedEmpty() noexcept;
};

// Named forms of construction and assignment.
inline DynString CopyText(const DynString& source) {
  return DynString(source);
}
// A text made from a C string.
inline DynString TextFromLiteral(const char* text) {
  return DynString(text);
}
// Assignment as a command: the target takes a copy of the source text.
inline void AssignText(DynString& target, const DynString& source) {
  target = source;
}
// Assignment of a C string.
inline void AssignText(DynString& target, const char* text) {
  target = text;
}

// Concatenation: always a new string, the left operand's text followed by the right's.
// Numbers are appended as their text, never added.
DynString operator+(const DynString& left, const DynString& right);
DynString operator+(const DynString& left, const char* right);
DynString operator+(const char* left, const DynString& right);
DynString operator+(DynString&& left, const DynString& right);
DynString operator+(DynString&& left, const char* right);
template <TextNumber N>
DynString operator+(const DynString& left, N right) {
  DynString result(left);
  result += right;
  return result;
}
template <TextNumber N>
DynString operator+(DynString&& left, N right) {
  DynString result(static_cast<DynString&&>(left));
  result += right;
  return result;
}
template <TextNumber N>
DynString operator+(N left, const DynString& right) {
  DynString result(left);
  result += right;
  return result;
}

// ConcatText: the same concatenation for every mix of operands with at least one text,
// including a C string with a number, which has no operator form.
template <typename L, typename R>
requires(!TextNumber<L> || !TextNumber<R>) DynString ConcatText(const L& left, const R& right) {
  DynString result(left);
  result += right;
  return result;
}

// Text comparisons: byte-wise strcmp, truth values 1.0 and 0.0.
double TextEquals(const DynString& a, const DynString& b);  // lengths first
double TextEquals(const char* a, const char* b);
double TextDiffers(const char* a, const char* b);
int CompareText(const char* a, const char* b);  // strcmp sign

double operator==(const DynString& a, const DynString& b);
double operator==(const DynString& a, const char* b);
double operator==(const char* a, const DynString& b);
double operator!=(const DynString& a, const DynString& b);
double operator!=(const DynString& a, const char* b);
double operator!=(const char* a, const DynString& b);
double operator<(const DynString& a, const DynString& b);
double operator<(const DynString& a, const char* b);
double operator<(const char* a, const DynString& b);
double operator>(const DynString& a, const DynString& b);
double operator>(const DynString& a, const char* b);
double operator>(const char* a, const DynString& b);
double operator<=(const DynString& a, const DynString& b);
double operator<=(const DynString& a, const char* b);
double operator<=(const char* a, const DynString& b);
double operator>=(const DynString& a, const DynString& b);
double operator>=(const DynString& a, const char* b);
double operator>=(const char* a, const DynString& b);

// Text with a number: the text is read as a number first (TextToNumber).
double TextAsNumber(const DynString& text);
// Three-way comparison of a text's number with a double: -1, 0 or 1 (0 when unordered).
double CompareTextNumber(const DynString& text, double number);

template <TextNumber N>
double operator==(const DynString& t, N n) {
  return TextAsNumber(t) == static_cast<double>(n);
}
template <TextNumber N>
double operator==(N n, const DynString& t) {
  return static_cast<double>(n) == TextAsNumber(t);
}
template <TextNumber N>
double operator!=(const DynString& t, N n) {
  return TextAsNumber(t) != static_cast<double>(n);
}
template <TextNumber N>
double operator!=(N n, const DynString& t) {
  return static_cast<double>(n) != TextAsNumber(t);
}
template <TextNumber N>
double operator<(const DynString& t, N n) {
  return TextAsNumber(t) < static_cast<double>(n);
}
template <TextNumber N>
double operator<(N n, const DynString& t) {
  return static_cast<double>(n) < TextAsNumber(t);
}
template <TextNumber N>
double operator>(const DynString& t, N n) {
  return TextAsNumber(t) > static_cast<double>(n);
}
template <TextNumber N>
double operator>(N n, const DynString& t) {
  return static_cast<double>(n) > TextAsNumber(t);
}
template <TextNumber N>
double operator<=(const DynString& t, N n) {
  return TextAsNumber(t) <= static_cast<double>(n);
}
template <TextNumber N>
double operator<=(N n, const DynString& t) {
  return static_cast<double>(n) <= TextAsNumber(t);
}
template <TextNumber N>
double operator>=(const DynString& t, N n) {
  return TextAsNumber(t) >= static_cast<double>(n);
}
template <TextNumber N>
double operator>=(N n, const DynString& t) {
  return static_cast<double>(n) >= TextAsNumber(t);
}

}  // namespace zentoir

#include "text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/NumberWriters.h"

namespace zentoir {
namespace {

constexpr int kSignificantDigits = 10;
constexpr uint32_t kFormatReserve = 256;
constexpr int kMaxFormatWidth = 500;  // keeps FormatNumber's text inside its buffer
constexpr int kMaxFormatDecimals = 300;

uint32_t WriteUnsignedDigits(char* out, uint64_t value) {
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (int i = 0; i < n; ++i)
    out[i] = digits[n - 1 - i];
  out[n] = 0;
  return static_cast<uint32_t>(n);
}

uint32_t WriteWholeNumber(char* out, int64_t value) {
  if (value < 0) {
    out[0] = '-';
    return 1 + WriteUnsignedDigits(out + 1, static_cast<uint64_t>(-value));
  }
  return WriteUnsignedDigits(out, static_cast<uint64_t>(value));
}

// Removes the zeros at the end of the fraction, before any exponent; the point stays.
uint32_t StripFractionZeros(char* text, uint32_t length) {
  char* point = std::strchr(text, '.');
  if (!point) return length;
  char* exponent = std::strchr(point, 'e');
  char* end = exponent ? exponent : text + length;
  char* last = end;
  while (last - 1 > point && last[-1] == '0')
    --last;
  const size_t tail = static_cast<size_t>(text + length - end);
  std::memmove(last, end, tail + 1);
  return static_cast<uint32_t>(last - text) + static_cast<uint32_t>(tail);
}

// One correctly rounded conversion (ties to even) of the value to [-]d.ddddddddde±XX,
// terminated; returns its end. A C++ library without floating-point to_chars (the
// browser's) has printf convert, which rounds the same way.
char* WriteScientific(char* out, size_t room, double value) {
#if defined(__cpp_lib_to_chars)
  char* end = std::to_chars(out, out + room - 1, value, std::chars_format::scientific,
                            kSignificantDigits - 1)
                  .ptr;
  *end = 0;
  return end;
#else
  const int length = std::snprintf(out, room, "%.*e", kSignificantDigits - 1, value);
  return out + (length > 0 ? std::min<size_t>(size_t(length), room - 1) : 0);
#endif
}

// The classic general conversion with a number of significant digits: fixed notation
// while the decimal exponent lies in -1 .. digits-1, else d.ddd e±XX; trailing zeros of
// the fraction are dropped and the point is always written.
uint32_t WriteGeneralText(char* out, double value) {
  if (!std::isfinite(value)) {
    const char* text = std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    std::strcpy(out, text);
    return static_cast<uint32_t>(std::strlen(text));
  }
  char scientific[48];
  const char* end = WriteScientific(scientific, sizeof scientific, value);
  const int length = static_cast<int>(end - scientific);
  const int sign = scientific[0] == '-' ? 1 : 0;
  const char* mantissa = scientific + sign;
  const int exponent = std::atoi(mantissa + kSignificantDigits + 2);
  if (exponent < -1 || exponent > kSignificantDigits - 1) {
    std::memcpy(out, scientific, static_cast<size_t>(length) + 1);
    return StripFractionZeros(out, static_cast<uint32_t>(length));
  }
  char digits[kSignificantDigits];
  digits[0] = mantissa[0];
  std::memcpy(digits + 1, mantissa + 2, kSignificantDigits - 1);
  char* p = out;
  if (sign) *p++ = '-';
  const int whole = exponent + 1;  // digits before the point (0 for exponent -1)
  if (whole == 0) *p++ = '0';
  std::memcpy(p, digits, static_cast<size_t>(whole));
  p += whole;
  *p++ = '.';
  std::memcpy(p, digits + whole, static_cast<size_t>(kSignificantDigits - whole));
  p += kSignificantDigits - whole;
  *p = 0;
  return StripFractionZeros(out, static_cast<uint32_t>(p - out));
}

}  // namespace

uint32_t WriteIntegerText(char* out, int32_t value) {
  return WriteWholeNumber(out, value);
}

uint32_t WriteNumberText(char* out, double value) {
  if (value == 0) value = 0.0;  // no "-0"
  // Whole numbers of up to ten digits, the common case, print as plain digits.
  if (std::fabs(value) < 1e10 && value == std::trunc(value)) {
    return WriteWholeNumber(out, static_cast<int64_t>(value));
  }
  uint32_t length = WriteGeneralText(out, value);
  if (length == 2 && std::strcmp(out, ".0") == 0) {
    std::strcpy(out, "0");
    return 1;
  }
  if (length > 0 && out[length - 1] == '.') out[--length] = 0;
  return length;
}

DynString IntegerToText(int32_t value) {
  return DynString(value);
}

DynString NumberToText(double value) {
  return DynString(value);
}

double NumberTextLength(double value) {
  char text[64];
  return WriteNumberText(text, value);
}

double TextToNumber(const DynString& text) {
  const char* p = text.CStr();
  const char* end = p + text.length;
  while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
    ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // Take the longest prefix of the form digits [. digits] [e [sign] digits].
  const char* start = p;
  auto digitsFrom = [end](const char* q) {
    while (q < end && *q >= '0' && *q <= '9')
      ++q;
    return q;
  };
  const char* q = digitsFrom(p);
  bool anyDigit = q > p;
  if (q < end && *q == '.') {
    const char* fraction = digitsFrom(q + 1);
    anyDigit = anyDigit || fraction > q + 1;
    q = fraction;
  }
  if (!anyDigit) return 0;
  if (q < end && (*q == 'e' || *q == 'E')) {
    const char* e = q + 1;
    if (e < end && (*e == '+' || *e == '-')) ++e;
    const char* expDigits = digitsFrom(e);
    if (expDigits > e) q = expDigits;
  }
  // The scanned span holds only digits, a point, 'e' and a sign, so strtod reads it
  // the same in every locale; it also gives atof's results on overflow and underflow.
  const double value = std::strtod(std::string(start, q).c_str(), nullptr);
  return negative ? -value : value;
}

DynString FormatNumber(double width, double decimals, double value) {
  int w = TruncateToInt32(width);
  int d = TruncateToInt32(decimals);
  if (w > kMaxFormatWidth) w = kMaxFormatWidth;
  if (w < -kMaxFormatWidth) w = -kMaxFormatWidth;
  if (d < 0) d = 0;
  if (d > kMaxFormatDecimals) d = kMaxFormatDecimals;
  char format[32];
  std::snprintf(format, sizeof format, "%%%d.%df", w, d);
  DynString result;
  char* out = result.ReserveText(kFormatReserve);
  // Large values can still print past the reserve; cut them at the buffer's end.
  std::snprintf(out, result.capacity, format, value);
  result.RecountText();
  return result;
}

}  // namespace zentoir

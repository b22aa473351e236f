#include "text/TextFunctions.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "text/NumberText.h"

namespace zentoir {

double TextLength(const DynString& text) {
  return text.length;
}

DynString MidText(const DynString& text, double start, double count) {
  DynString result;
  if (std::isnan(start) || std::isnan(count)) return result;
  const double length = text.length;
  // A start + count whose low 32 bits lie past the end reads to the end of the text.
  const auto end = static_cast<uint32_t>(TruncateToInt64(start + count));
  if (end > text.length) count = length - start;
  if (count <= 0 || start > length || start < 0) return result;
  const auto from = static_cast<uint32_t>(start);
  uint32_t take = text.length - from;
  const int64_t wanted = TruncateToInt64(count);
  if (wanted < take) take = static_cast<uint32_t>(wanted);
  result.AssignBytes(text.CStr() + from, take);
  return result;
}

double FindText(const DynString& text, const DynString& pattern) {
  const size_t at = text.View().find(pattern.View());
  return at == std::string_view::npos ? -1.0 : static_cast<double>(at);
}

DynString ReplaceText(const DynString& text, const DynString& find, const DynString& replacement) {
  if (find.IsEmpty()) return text;
  const std::string_view source = text.View();
  const std::string_view pattern = find.View();
  size_t at = source.find(pattern);
  if (at == std::string_view::npos) return text;
  DynString result;
  result.ReserveText(text.length);
  size_t from = 0;
  while (at != std::string_view::npos) {
    result.AppendBytes(source.data() + from, static_cast<uint32_t>(at - from));
    result += replacement;
    from = at + pattern.size();
    at = source.find(pattern, from);
  }
  result.AppendBytes(source.data() + from, static_cast<uint32_t>(source.size() - from));
  return result;
}

namespace {
DynString ShiftRange(const DynString& text, char first, char last, int shift) {
  DynString result(text);
  for (uint32_t i = 0; i < result.length; ++i) {
    const char c = result.buffer[i];
    if (c >= first && c <= last) result.buffer[i] = static_cast<char>(c + shift);
  }
  return result;
}
}  // namespace

DynString LowerText(const DynString& text) {
  return ShiftRange(text, 'A', 'Z', 32);
}

DynString UpperText(const DynString& text) {
  return ShiftRange(text, 'a', 'z', -32);
}

double GetCharCode(const DynString& text) {
  return text.IsEmpty() ? 0 : static_cast<unsigned char>(text.buffer[0]);
}

DynString MakeCharText(double code) {
  const char byte = static_cast<char>(TruncateToInt32(code) & 0xFF);
  DynString result;
  result.AssignBytes(&byte, byte != 0 ? 1 : 0);
  return result;
}

DynString FormatHexBytes(const void* bytes, double count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  DynString result;
  const int32_t n = TruncateToInt32(count);
  if (n <= 0 || !bytes) return result;
  char* out = result.ReserveText(static_cast<uint32_t>(n) * 2);
  const auto* in = static_cast<const unsigned char*>(bytes);
  for (int32_t i = 0; i < n; ++i) {
    out[2 * i] = kDigits[in[i] >> 4];
    out[2 * i + 1] = kDigits[in[i] & 0x0F];
  }
  out[2 * n] = 0;
  result.length = static_cast<uint32_t>(n) * 2;
  return result;
}

}  // namespace zentoir

#include "files/TextLines.h"

namespace zentoir {

bool TextLineReader::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const size_t newline = rest_.find('\n');
  size_t textEnd = newline == std::string_view::npos ? rest_.size() : newline;
  size_t consumed = newline == std::string_view::npos ? rest_.size() : newline + 1;
  if (textEnd > 0 && rest_[textEnd - 1] == '\r' && newline != std::string_view::npos) --textEnd;
  if (textEnd > kMaxLineText) {
    textEnd = kMaxLineText;
    consumed = kMaxLineText;
  }
  line = rest_.substr(0, textEnd);
  const size_t nul = line.find('\0');
  if (nul != std::string_view::npos) line = line.substr(0, nul);
  rest_.remove_prefix(consumed);
  return true;
}

std::string_view WithoutTrailingControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32)
    text.remove_suffix(1);
  return text;
}

}  // namespace zentoir

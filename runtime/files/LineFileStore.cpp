#include "files/LineFileStore.h"

#include <algorithm>

#include "core/Stop.h"
#include "files/SettingsFile.h"
#include "files/TextLines.h"

namespace zentoir {
namespace {

// Enough for every stored line: at most 1023 bytes of text plus CR LF each.
constexpr size_t kLineReadLimit = kStoredLines * (kMaxLineText + 2);

}  // namespace

bool LineFileStore::Select(const DynString& name) {
  if (name.View() == linePath) return true;
  WriteBackIfDirty();
  Clear();
  linePath = name.View();
  writePath = WriteBackPath(name);
  std::string bytes;
  const SettingsFileRead read = ReadSettingsFile(name, kLineReadLimit, bytes);
  if (read == SettingsFileRead::kMissing || read == SettingsFileRead::kUnreadable) {
    SetErrorCode(kErrorFile);
    return false;
  }
  TextLineReader reader(bytes);
  std::string_view line;
  for (int index = 0; index < kStoredLines && reader.Next(line); ++index) {
    lines[index] = line;
    lastLine = index;
  }
  return true;
}

void LineFileStore::WriteBackIfDirty() {
  if (linePath.empty() || !linesDirty) return;
  std::string bytes;
  for (int index = 0; index <= lastLine; ++index)
    bytes.append(lines[index]).append("\r\n");
  WriteSettingsFile(writePath, bytes, "Line");
  linesDirty = 0;
}

DynString LineFileStore::LineText(int line) const {
  return DynString(WithoutTrailingControls(lines[line]));
}

void LineFileStore::SetLine(int line, std::string_view text) {
  text = text.substr(0, std::min(text.find('\0'), kMaxLineText));
  lines[line] = text;
  lastLine = std::max(lastLine, line);
  linesDirty = 1;
}

void LineFileStore::Clear() {
  for (std::string& line : lines)
    line.clear();
  lastLine = 0;
  linesDirty = 0;
}

}  // namespace zentoir

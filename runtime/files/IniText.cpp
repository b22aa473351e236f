#include "files/IniText.h"

#include "files/TextLines.h"

namespace zentoir {
namespace {

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsLineBlank(text.front()))
    text.remove_prefix(1);
  return text;
}

// The run of bytes up to the first blank or '='.
std::string_view NameRun(std::string_view text) {
  size_t end = 0;
  while (end < text.size() && !IsLineBlank(text[end]) && text[end] != '=')
    ++end;
  return text.substr(0, end);
}

std::string_view SectionName(std::string_view header) {
  std::string_view name = NameRun(SkipBlanks(header.substr(1)));
  if (!name.empty() && name.back() == ']') name.remove_suffix(1);
  return name;
}

// Adds the entry of a "key = value" line to the section; other lines add nothing.
void AddEntry(std::string_view line, IniSection& section) {
  const std::string_view key = NameRun(line);
  std::string_view rest = SkipBlanks(line.substr(key.size()));
  if (rest.empty() || rest.front() != '=') return;
  const std::string_view value = WithoutTrailingControls(SkipBlanks(rest.substr(1)));
  if (value.empty()) return;
  section.entries.push_back({DynString(key), DynString(value)});
}

void Commit(IniSection& section, std::vector<IniSection>& sections) {
  if (!section.entries.empty()) sections.push_back(std::move(section));
}

}  // namespace

std::vector<IniSection> ParseIniText(std::string_view bytes) {
  std::vector<IniSection> sections;
  IniSection current;
  TextLineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) {
    line = SkipBlanks(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      Commit(current, sections);
      current = IniSection{DynString(SectionName(line)), {}};
    } else {
      AddEntry(line, current);
    }
  }
  Commit(current, sections);
  return sections;
}

std::string FormatIniText(const std::vector<IniSection>& sections) {
  std::string out;
  for (const IniSection& section : sections) {
    out.append("[").append(section.name.View()).append("]\r\n");
    for (const IniEntry& entry : section.entries)
      out.append(entry.key.View()).append("=").append(entry.value.View()).append("\r\n");
  }
  return out;
}

}  // namespace zentoir

// The INI format: sections of key=value entries. Reading turns bytes into sections,
// writing turns sections into bytes; neither touches a file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/DynString.h"

namespace zentoir {

struct IniEntry {
  DynString key;
  DynString value;
};

struct IniSection {
  DynString name;
  std::vector<IniEntry> entries;
};

// Lines starting with ';' are comments; "[name" starts a section (the name ends at a
// blank or '='; one ']' ending it is dropped); "key = value" is an entry, whose value
// loses its trailing bytes below 32 and which is left out when that value is empty.
// Entries before the first header belong to a section with an empty name. Only
// sections with entries are kept; sections of the same name stay apart, in file order.
std::vector<IniSection> ParseIniText(std::string_view bytes);

// "[name]" and then "key=value" for each entry, every line ending in CR LF; no blank
// lines, no comments.
std::string FormatIniText(const std::vector<IniSection>& sections);

}  // namespace zentoir

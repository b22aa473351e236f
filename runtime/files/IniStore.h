// A store of one INI file at a time: sections looked up without regard to ASCII letter
// case, changed in memory, written back as a whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/IniText.h"
#include "text/DynString.h"

namespace zentoir {

class IniStore {
 public:
  std::vector<IniSection> sections;  // in file order
  // Where the file is written back: the name the game gave, made absolute, also when
  // the contents came from the resource archive. Empty: nothing is written.
  DynString iniPath;
  uint8_t iniDirty = 0;  // set by every change, cleared by a load

  size_t sectionCount() const { return sections.size(); }

  // Empties the store and reads the named file, a loose file before the archive. A
  // missing file leaves the store empty; one that cannot be read whole also leaves
  // `iniPath` empty, so that a write-back can never replace it.
  void Load(const DynString& name);

  // Writes the sections to `iniPath` when there are changes; a failure is logged.
  void WriteBackIfDirty();

  // The value, or "NO_DATA". Only the first section of that name is consulted.
  DynString Get(const DynString& section, const DynString& key) const;

  // Adds or replaces the entry; an empty value deletes an existing entry, an empty key
  // deletes the first section of that name. A deletion moves the last entry (section)
  // into the gap.
  void Put(const DynString& section, const DynString& key, const DynString& value);

 private:
  void DeleteSection(std::string_view name);
};

}  // namespace zentoir

#include "files/IniStore.h"

#include <algorithm>
#include <string>

#include "core/ErrorLog.h"
#include "files/SettingsFile.h"
#include "text/AsciiCase.h"

namespace zentoir {
namespace {

// Larger settings files are not loaded (and so never replaced).
constexpr size_t kIniReadLimit = size_t{64} << 20;

template <typename Items, typename NameOf>
auto FindIgnoringCase(Items& items, std::string_view name, NameOf nameOf) {
  return std::find_if(items.begin(), items.end(),
                      [&](const auto& item) { return EqualIgnoringAsciiCase(nameOf(item), name); });
}

std::string_view KeyOf(const IniEntry& entry) {
  return entry.key.View();
}

std::string_view NameOf(const IniSection& section) {
  return section.name.View();
}

// Removes the item by moving the last one into its place.
template <typename Items, typename Iterator>
void RemoveByMovingLast(Items& items, Iterator item) {
  if (item != items.end() - 1) *item = std::move(items.back());
  items.pop_back();
}

}  // namespace

void IniStore::Load(const DynString& name) {
  sections.clear();
  iniDirty = 0;
  iniPath = DynString(WriteBackPath(name));
  std::string bytes;
  switch (ReadSettingsFile(name, kIniReadLimit, bytes)) {
    case SettingsFileRead::kRead:
      sections = ParseIniText(bytes);
      break;
    case SettingsFileRead::kMissing:
      break;
    case SettingsFileRead::kLonger:
    case SettingsFileRead::kUnreadable:
      AppendErrorLog("INI file not read: " + iniPath);
      iniPath = "";
      break;
  }
}

void IniStore::WriteBackIfDirty() {
  if (!iniDirty || iniPath.IsEmpty()) return;
  WriteSettingsFile(std::string(iniPath.View()), FormatIniText(sections), "INI");
  iniDirty = 0;
}

DynString IniStore::Get(const DynString& section, const DynString& key) const {
  auto found = FindIgnoringCase(sections, section.View(), NameOf);
  if (found == sections.end()) return "NO_DATA";
  auto entry = FindIgnoringCase(found->entries, key.View(), KeyOf);
  return entry == found->entries.end() ? DynString("NO_DATA") : entry->value;
}

void IniStore::Put(const DynString& section, const DynString& key, const DynString& value) {
  if (key.IsEmpty()) {
    DeleteSection(section.View());
    return;
  }
  auto found = FindIgnoringCase(sections, section.View(), NameOf);
  IniSection& target =
      found != sections.end() ? *found : sections.emplace_back(IniSection{section, {}});
  auto entry = FindIgnoringCase(target.entries, key.View(), KeyOf);
  if (entry == target.entries.end()) {
    target.entries.push_back({key, value});
  } else if (!value.IsEmpty()) {
    entry->value = value;
  } else {
    RemoveByMovingLast(target.entries, entry);
  }
  iniDirty = 1;
}

void IniStore::DeleteSection(std::string_view name) {
  auto found = FindIgnoringCase(sections, name, NameOf);
  if (found == sections.end()) return;
  RemoveByMovingLast(sections, found);
  iniDirty = 1;  // a deleted section must reach the file too
}

}  // namespace zentoir

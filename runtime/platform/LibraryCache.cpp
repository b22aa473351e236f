#include "platform/LibraryCache.h"

namespace zentoir {
namespace {

std::string LowerCaseKey(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

}  // namespace

os::LibraryHandle LibraryCache::Find(std::string_view name) const {
  const std::string key = LowerCaseKey(name);
  for (size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == key) return handles_[i];
  return nullptr;
}

void LibraryCache::Add(std::string_view name, os::LibraryHandle handle) {
  names_.push_back(LowerCaseKey(name));
  handles_.push_back(handle);
}

void LibraryCache::ReleaseAll() {
  for (os::LibraryHandle handle : handles_)
    os::CloseLibrary(handle);
  names_.clear();
  handles_.clear();
}

LibraryCache& Libraries() {
  static auto* cache = new LibraryCache();  // released by an exit step, never destroyed
  return *cache;
}

}  // namespace zentoir

// The libraries loaded by name: each loaded once, kept until program end, and released
// in the order they were loaded.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "os/DynamicLibrary.h"

namespace zentoir {

class LibraryCache {
 public:
  // The handle kept under the name, matched ignoring ASCII letter case; null when none.
  os::LibraryHandle Find(std::string_view name) const;

  // Keeps the handle under the name in lower case.
  void Add(std::string_view name, os::LibraryHandle handle);

  // Releases every library, first loaded first, and forgets them.
  void ReleaseAll();

  size_t Count() const { return names_.size(); }

 private:
  std::vector<std::string> names_;  // lower case, in load order
  std::vector<os::LibraryHandle> handles_;
};

// The process's one cache.
LibraryCache& Libraries();

}  // namespace zentoir

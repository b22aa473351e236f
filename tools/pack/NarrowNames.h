// Paths as the runtime's file calls take them: narrow strings in the system's code page.
// Where the library keeps paths wide (Windows), its string() gives UTF-8 instead, so
// names are converted here by the C library, after main has set its character set.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <type_traits>

namespace zentoir::pack {

// A template, so that only the branch of this system's path type is compiled.
template <typename Path = std::filesystem::path>
std::string NarrowName(const Path& path) {
  if constexpr (std::is_same_v<typename Path::value_type, char>) {
    return path.native();
  } else {
    const std::wstring& wide = path.native();
    std::string narrow(wide.size() * MB_CUR_MAX, '\0');
    const size_t length = std::wcstombs(narrow.data(), wide.c_str(), narrow.size());
    if (length == static_cast<size_t>(-1)) return path.string();  // not in the code page
    narrow.resize(length);
    return narrow;
  }
}

}  // namespace zentoir::pack

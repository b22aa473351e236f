#include "os/DynamicLibrary.h"

#include "os/windows/SystemHeaders.h"

#include <cstring>
#include <string>
#include <string_view>

namespace zentoir::os {
namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  const size_t length = std::strlen(prefix);
  return text.size() >= length && _strnicmp(text.c_str(), prefix, length) == 0;
}

std::string FullPath(const char* name) {
  const DWORD size = GetFullPathNameA(name, 0, nullptr, nullptr);
  if (size == 0) return {};
  std::string full(size, '\0');
  const DWORD length = GetFullPathNameA(name, size, full.data(), nullptr);
  if (length == 0 || length >= size) return {};
  full.resize(length);
  return full;
}

// Paths that lead to devices, pipes or mailslots rather than files: the device
// namespace (where reserved names such as "NUL" or "COM1" end up in any folder),
// anything under "\\?\" but a drive or network share, and the pipe and mailslot
// "shares" of a server.
bool IsDevicePath(const std::string& full) {
  if (StartsWithNoCase(full, "\\\\.\\")) return true;
  if (StartsWithNoCase(full, "\\\\?\\")) {
    const std::string rest = full.substr(4);
    const bool drive = rest.size() >= 3 && rest[1] == ':' && rest[2] == '\\';
    if (!drive && !StartsWithNoCase(rest, "UNC\\")) return true;
  }
  if (!StartsWithNoCase(full, "\\\\")) return false;
  const size_t share = full.find('\\', StartsWithNoCase(full, "\\\\?\\UNC\\") ? 8 : 2);
  if (share == std::string::npos) return false;
  const std::string rest = full.substr(share + 1);
  return StartsWithNoCase(rest, "pipe\\") || StartsWithNoCase(rest, "mailslot\\");
}

// The file the loader would open is a file on a disk, and no folder.
bool IsDiskFile(const std::string& full) {
  const DWORD attributes = GetFileAttributesA(full.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
    return false;
  const HANDLE file = CreateFileA(full.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool disk = GetFileType(file) == FILE_TYPE_DISK;
  CloseHandle(file);
  return disk;
}

// The file the loader opens for a path: it adds ".dll" to a file name without a dot, and
// takes a final dot (which the full path has lost) to mean no extension. The path
// returned leads the loader to that same file.
std::string LoaderFile(const char* name, std::string full) {
  const std::string_view given(name);
  const std::string_view base = given.substr(given.find_last_of("/\\") + 1);
  if (base.find('.') == std::string_view::npos) return full + ".dll";
  if (full.find('.', full.find_last_of('\\') + 1) == std::string::npos) full += '.';
  return full;
}

// A name with a path separator is opened as a path (from the current folder when
// relative), so it must lead to a regular file: a pipe could block the open, a device or
// folder is no library. Returns the full path for the loader, "" when it is refused.
std::string CheckedPath(const char* name) {
  const std::string full = FullPath(name);
  if (full.empty()) return {};
  const std::string file = LoaderFile(name, full);
  return IsDevicePath(file) || !IsDiskFile(file) ? std::string() : file;
}

// `flags` as LoadLibraryExA takes them.
HMODULE LoadQuietly(const char* name, DWORD flags) {
  // A file that is no valid library must fail the call, not open a system error box.
  DWORD previousMode = 0;
  const bool quiet =
      SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
  HMODULE library = LoadLibraryExA(name, nullptr, flags);
  if (quiet) SetThreadErrorMode(previousMode, nullptr);
  return library;
}

}  // namespace

LibraryHandle OpenLibrary(const char* name) {
  if (!name || !*name) return nullptr;
  // A bare name is looked up on the loader's own search path.
  if (!std::strpbrk(name, "/\\")) return LoadQuietly(name, 0);
  // The libraries a library by path needs are looked for beside it first.
  const std::string path = CheckedPath(name);
  return path.empty() ? nullptr : LoadQuietly(path.c_str(), LOAD_WITH_ALTERED_SEARCH_PATH);
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
  if (!library || !name) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(LibraryHandle library) {
  if (library) FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace zentoir::os

#include "os/Paths.h"

#include <string>
#include <vector>

#include "os/File.h"
#include "os/windows/FileKinds.h"

namespace zentoir::os {
namespace {

// Longer than any path Windows accepts: a buffer that grows past it is an error.
constexpr DWORD kMostPathBytes = 1 << 16;

// A path from a call that answers the length it needs when the buffer is too small.
template <typename Call>
std::string PathFrom(Call call) {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = call(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0) return "";
    if (n < buffer.size()) return std::string(buffer.data(), n);
    if (n > kMostPathBytes) return "";
    buffer.resize(n + 1);
  }
}

bool IsDriveLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string WithTrailingSeparator(std::string dir, char separator) {
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += separator;
  return dir;
}

bool SameFolder(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace

// As Windows gives it, with its trailing '\'.
std::string TempDirectory() {
  return WithTrailingSeparator(
      PathFrom([](DWORD size, char* buffer) { return GetTempPathA(size, buffer); }), '\\');
}

// The Windows folder's Temp, unless it is the temporary directory itself.
std::vector<std::string> SpareTempDirectories() {
  const std::string windows =
      PathFrom([](DWORD size, char* buffer) { return GetWindowsDirectoryA(buffer, size); });
  if (windows.empty()) return {};
  const std::string temp = WithTrailingSeparator(windows, '\\') + "Temp\\";
  if (SameFolder(temp, TempDirectory())) return {};
  return {temp};
}

std::string ExecutablePath() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return "";
    // A name that fills the buffer was cut short.
    if (n < buffer.size()) return std::string(buffer.data(), n);
    if (buffer.size() > kMostPathBytes) return "";
    buffer.resize(buffer.size() * 2);
  }
}

// With '/' separators, as game code writes paths.
std::string CurrentDirectory() {
  std::string dir =
      PathFrom([](DWORD size, char* buffer) { return GetCurrentDirectoryA(size, buffer); });
  for (char& c : dir) {
    if (c == '\\') c = '/';
  }
  return WithTrailingSeparator(dir, '/');
}

bool ChangeDirectory(const std::string& path) {
  return SetCurrentDirectoryA(NativePath(path).c_str());
}

// From the root of the drive ("\\x", "/x"), a drive ("C:\\x") or a share ("\\\\server\\x").
bool IsAbsolutePath(const std::string& path) {
  if (!path.empty() && (path.front() == '/' || path.front() == '\\')) return true;
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' &&
         (path[2] == '/' || path[2] == '\\');
}

// Both separators count; a drive's own folder ("C:name") is its drive letter and colon.
std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  if (cut != std::string::npos) return path.substr(0, cut + 1);
  const bool drive = path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0]);
  return drive ? path.substr(0, 2) : std::string();
}

}  // namespace zentoir::os

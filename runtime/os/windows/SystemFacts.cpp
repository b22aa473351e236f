#include "os/SystemFacts.h"

#include "os/windows/SystemHeaders.h"

#include <bcrypt.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace zentoir::os {
namespace {

// Files are opened with every sharing mode, so that another program's open file does
// not make them unreadable.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The ANSI form of a path; "" when a character has none (the file calls could not
// name the path).
std::string AnsiText(const wchar_t* wide) {
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, &lossy);
  if (length <= 1 || lossy) return {};
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), length, nullptr, nullptr);
  text.pop_back();  // the terminating NUL
  return text;
}

std::string AppDataFolder() {
  wchar_t path[MAX_PATH];
  if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
    return AnsiText(path);
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? AnsiText(path) : std::string();
}

// "C:\..." or "\\server\...": never a folder relative to the current one.
bool IsAbsolutePath(const std::string& path) {
  const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
  if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) return true;
  return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file on a disk, not a pipe, console or other device (reading those could block).
bool IsRegularFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info;
  return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
         !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadAll(HANDLE file, std::string& text, size_t limit) {
  char chunk[1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &got, nullptr)) return false;
    if (got == 0) return true;
    if (text.size() + got > limit) return false;
    text.append(chunk, got);
  }
}

bool WriteAll(HANDLE file, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const DWORD part = static_cast<DWORD>(std::min<size_t>(text.size() - done, 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, text.data() + done, part, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

bool ReadSmallFile(const std::string& path, std::string& text, size_t limit) {
  text.clear();
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = IsRegularFile(file) && ReadAll(file, text, limit);
  CloseHandle(file);
  if (!ok) text.clear();
  return ok;
}

const char* PlatformName() {
  return "WIN32";
}

bool DebuggerAttached() {
  return IsDebuggerPresent() != FALSE;
}

bool EnvironmentFlag(const char* name) {
  char value[3];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length == 1 && value[0] == '1';
}

// The system reports one charge for all batteries together; 255 when it does not know
// it (as where there is no battery).
std::vector<int> BatteryPercents() {
  SYSTEM_POWER_STATUS status;
  if (!GetSystemPowerStatus(&status) || status.BatteryLifePercent == 255) return {};
  return {std::min<int>(status.BatteryLifePercent, 100)};
}

LocalTime CurrentLocalTime() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// The serial number of volume C:, written as the 32 hexadecimal digits of an identity
// text whose four 32-bit words fold to the serial number itself.
std::string SystemMachineId() {
  DWORD serial = 0;
  if (!GetVolumeInformationA("C:\\", nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) return "";
  char text[9];
  std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(serial));
  return std::string(24, '0') + text;
}

std::string UserDataFolder() {
  const std::string appData = AppDataFolder();
  if (!IsAbsolutePath(appData)) return "";
  const bool separated = appData.back() == '\\' || appData.back() == '/';
  return appData + (separated ? "" : "\\") + "Zentoir\\";
}

// Folders take the access rules of the folder above them: under the user's profile,
// where the runtime keeps its folder, those admit the user alone.
bool MakeFolders(const std::string& path) {
  for (size_t separator = path.find_first_of("\\/", 1); separator != std::string::npos;
       separator = path.find_first_of("\\/", separator + 1))
    CreateDirectoryA(path.substr(0, separator).c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
  return IsFolder(path);
}

bool WriteNewFile(const std::string& path, const std::string& text) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // A device name ("NUL", "COM1") opens the device: it is there already, and not ours.
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return false;
  }
  const bool written = WriteAll(file, text);
  const bool closed = CloseHandle(file) != FALSE;
  if (!written || !closed) DeleteFileA(path.c_str());
  return written && closed;
}

std::string RandomHex(int bytes) {
  static const char kDigits[] = "0123456789abcdef";
  if (bytes <= 0) return "";
  std::string raw(static_cast<size_t>(bytes), '\0');
  if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(raw.data()),
                                      static_cast<ULONG>(bytes), BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
    return "";
  std::string hex;
  for (const char c : raw) {
    const unsigned byte = static_cast<unsigned char>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

}  // namespace zentoir::os

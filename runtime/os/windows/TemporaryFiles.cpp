#include "os/TemporaryFiles.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <string_view>
#include <vector>

#include "os/Paths.h"
#include "os/windows/FileKinds.h"

// After windows.h (included above).
#include <aclapi.h>

namespace zentoir::os {
namespace {

constexpr std::string_view kPrefix = ".~zentoir-";

// Attributes no leftover of ours has: it is a plain file of data kept on this disk.
constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                            FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_OFFLINE;

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The writer's process id in one of our temporary names; 0 for any other name.
DWORD WriterOf(std::string_view name) {
  if (!name.starts_with(kPrefix)) return 0;
  name.remove_prefix(kPrefix.size());
  const size_t dash = name.find('-');
  if (dash == std::string_view::npos || !AllDigits(name.substr(dash + 1))) return 0;
  const std::string_view digits = name.substr(0, dash);
  DWORD pid = 0;
  if (!AllDigits(digits) ||
      std::from_chars(digits.data(), digits.data() + digits.size(), pid).ec != std::errc()) {
    return 0;
  }
  return pid;
}

// Gone: the system knows no process of that id, or it has ended (one of another user
// that may not be looked at still counts as running).
bool ProcessGone(DWORD pid) {
  if (pid == 0) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  CloseHandle(process);
  return ended;
}

// Whether the token's user, or the owner it gives new files (an elevated administrator's
// files belong to the Administrators group), is `sid`.
bool TokenNames(HANDLE token, TOKEN_INFORMATION_CLASS kind, PSID sid) {
  DWORD size = 0;
  GetTokenInformation(token, kind, nullptr, 0, &size);
  std::vector<unsigned char> buffer(size);
  if (size == 0 || !GetTokenInformation(token, kind, buffer.data(), size, &size)) return false;
  const PSID named = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                       : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
  return EqualSid(named, sid);
}

bool IsThisUser(PSID sid) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  const bool own = TokenNames(token, TokenUser, sid) || TokenNames(token, TokenOwner, sid);
  CloseHandle(token);
  return own;
}

bool OwnedByThisUser(const std::string& path) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoA(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                            nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool own = owner && IsThisUser(owner);
  LocalFree(descriptor);
  return own;
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return FolderOf(path) + std::string(kPrefix) + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(counter++);
}

void RemoveLeftoverTemporariesBeside(const std::string& path) {
  const std::string folder = FolderOf(path);
  WIN32_FIND_DATAA entry;
  HANDLE listing = FindFirstFileA((folder + std::string(kPrefix) + "*").c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = folder + entry.cFileName;
    if (!(entry.dwFileAttributes & kNotPlain) && ProcessGone(WriterOf(entry.cFileName)) &&
        OwnedByThisUser(name)) {
      DeleteFileA(name.c_str());
    }
  } while (FindNextFileA(listing, &entry));
  FindClose(listing);
}

}  // namespace zentoir::os

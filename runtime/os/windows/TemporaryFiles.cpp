#include "os/TemporaryFiles.h"

#include <vector>

#include "os/Paths.h"
#include "os/windows/FileKinds.h"

// After windows.h (included above).
#include <aclapi.h>

namespace zentoir::os {
namespace {

// Attributes no leftover of ours has: it is a plain file of data kept on this disk.
constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                            FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_OFFLINE;

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

void RemoveLeftoverTemporariesBeside(const std::string& path) {
  const std::string folder = FolderOf(path);
  WIN32_FIND_DATAA entry;
  HANDLE listing = FindFirstFileA((folder + std::string(kTemporaryPrefix) + "*").c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = folder + entry.cFileName;
    if (!(entry.dwFileAttributes & kNotPlain) &&
        ProcessGone(WriterOfTemporaryName(entry.cFileName)) && OwnedByThisUser(name)) {
      DeleteFileA(name.c_str());
    }
  } while (FindNextFileA(listing, &entry));
  FindClose(listing);
}

}  // namespace zentoir::os

#include "files/SettingsFile.h"

#include <algorithm>

#include "base/ErrorLog.h"
#include "files/ArchiveSlot.h"
#include "os/File.h"
#include "os/LinkTarget.h"
#include "os/Paths.h"
#include "os/ReplaceFile.h"

namespace zentoir {
namespace {

constexpr size_t kReadPiece = 64 * 1024;

}  // namespace

SettingsFileRead ReadSettingsFile(const DynString& name, size_t limit, std::string& bytes) {
  bytes.clear();
  std::string resolved;
  if (!ResolveGeneralDataFile(name, resolved)) {
    return SettingsFileRead::kMissing;
  }
  os::File file;
  if (!file.OpenRead(os::NativePath(resolved))) return SettingsFileRead::kMissing;
  // Read in pieces rather than trusting the reported size; one byte past the limit
  // tells a longer file.
  char piece[kReadPiece];
  while (bytes.size() <= limit) {
    const int64_t got = file.Read(piece, std::min(kReadPiece, limit + 1 - bytes.size()));
    if (got < 0) return SettingsFileRead::kUnreadable;
    if (got == 0) return SettingsFileRead::kRead;
    bytes.append(piece, static_cast<size_t>(got));
  }
  bytes.resize(limit);
  return SettingsFileRead::kLonger;
}

std::string WriteBackPath(const DynString& name) {
  const std::string native = os::NativePath(name.View());
  if (native.empty() || os::IsAbsolutePath(native)) return native;
  return os::CurrentDirectory() + native;
}

bool WriteSettingsFile(const std::string& path, std::string_view bytes, std::string_view kind) {
  const std::string target = os::OwnLinkTarget(path);
  if (!target.empty() && os::ReplaceFileContents(target, bytes)) return true;
  AppendErrorLog(DynString(std::string(kind) + " file not written: " + path));
  return false;
}

}  // namespace zentoir

#include "files/FileOperations.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Truncate.h"
#include "os/File.h"
#include "os/Paths.h"
#include "os/ReplaceFile.h"

namespace zentoir {
namespace {

constexpr size_t kCopyBlock = 4096;

bool CopyBlocks(os::File& from, os::File& to) {
  char block[kCopyBlock];
  for (;;) {
    const int64_t got = from.Read(block, sizeof block);
    if (got < 0) return false;
    if (got > 0 && !to.WriteAll(block, static_cast<size_t>(got))) return false;
    if (got < static_cast<int64_t>(sizeof block)) return true;
  }
}

}  // namespace

double FileExists(const DynString& path) {
  os::File file;
  return file.OpenRead(os::NativePath(path.View())) ? 1.0 : 0.0;
}

double FileSize(const DynString& path) {
  os::File file;
  if (!file.OpenRead(os::NativePath(path.View()))) return 0.0;
  const int64_t size = file.Size();
  return size > 0 ? static_cast<double>(size) : 0.0;
}

void RemoveFile(const DynString& path) {
  os::RemoveFile(std::string(path.View()));
}

void DuplicateFile(const DynString& source, const DynString& destination) {
  os::File from;
  if (!from.OpenRead(os::NativePath(source.View()))) return;
  os::FileReplacement to;
  if (!to.Begin(os::NativePath(destination.View()))) return;
  if (!CopyBlocks(from, to.Output()) || !to.Commit()) to.Discard();
}

double ReadFileBytes(const DynString& path, DynString& bytes, double limit) {
  std::vector<uint8_t> content;
  const int64_t most = std::clamp<int64_t>(TruncateToInt64(limit), 0, UINT32_MAX);
  const bool read = os::ReadWholeFile(os::NativePath(path.View()), content, most);
  bytes.AssignBytes(reinterpret_cast<const char*>(content.data()),
                    static_cast<uint32_t>(content.size()));
  return read ? 1.0 : 0.0;
}

double SaveFileSafely(const DynString& path, const DynString& bytes) {
  return os::ReplaceFileContents(os::NativePath(path.View()), bytes.View()) ? 1 : 0;
}

DynString CurrentDirectory() {
  return DynString(os::CurrentDirectory());
}

void ChangeDirectory(const DynString& path) {
  os::ChangeDirectory(os::NativePath(path.View()));
}

}  // namespace zentoir

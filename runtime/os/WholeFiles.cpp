// Whole files at once, on top of each system's file and replacement calls.
#include "os/File.h"
#include "os/ReplaceFile.h"

namespace zentoir::os {

bool File::ReadExact(void* buffer, size_t count) {
  return Read(buffer, count) == static_cast<int64_t>(count);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, int64_t limit) {
  bytes.clear();
  File file;
  if (!file.OpenRead(path)) return false;
  const int64_t size = file.Size();
  if (size < 0 || size > limit) return false;
  bytes.resize(static_cast<size_t>(size));
  if (file.ReadExact(bytes.data(), bytes.size())) return true;
  bytes.clear();
  return false;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  FileReplacement replacement;
  return replacement.Begin(path) && replacement.Output().WriteAll(bytes.data(), bytes.size()) &&
         replacement.Commit();
}

}  // namespace zentoir::os

#include "audio/AudioFiles.h"

#include "files/ArchiveSlot.h"
#include "os/File.h"

namespace zentoir {

std::string ResolveAudioFile(const DynString& name, AudioFileKind kind) {
  ArchiveSlot& slot = kind == AudioFileKind::Music ? MediaArchiveSlot() : GeneralArchiveSlot();
  std::string resolved;
  if (!ResolveDataFile(slot, name.CStr(), resolved)) return std::string();
  return os::NativePath(resolved);
}

bool ReadAudioFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes) {
  return os::ReadWholeFile(path, bytes, static_cast<int64_t>(maxBytes));
}

bool RegularFileWithin(const std::string& path, int64_t maxBytes) {
  os::File file;
  return file.OpenRead(path) && file.Size() <= maxBytes;
}

}  // namespace zentoir

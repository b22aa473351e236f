#include "audio/AudioFiles.h"

#include <fstream>

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
  bytes.clear();
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  const std::streamoff size = file.tellg();
  if (size < 0 || static_cast<uint64_t>(size) > maxBytes) return false;
  bytes.resize(static_cast<size_t>(size));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(bytes.data()), size);
  return file.gcount() == size;
}

}  // namespace zentoir

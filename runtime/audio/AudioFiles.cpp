#include "audio/AudioFiles.h"

#include <algorithm>
#include <fstream>

namespace zentoir {

std::string ResolveAudioFile(const DynString& name, AudioFileKind kind) {
  (void)kind;
  std::string path(name.View());
  std::replace(path.begin(), path.end(), '\\', '/');
  // The one place where audio names are resolved: a plain file for now. Once the
  // resource archive resolver exists, sounds resolve through the loaders' archive and
  // music through the music archive here, a loose file before the archive.
  std::ifstream probe(path, std::ios::binary);
  return probe ? path : std::string();
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

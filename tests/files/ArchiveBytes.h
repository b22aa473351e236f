// Archives put together byte by byte, for tests that need exact positions or damage.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/ArchiveFormat.h"
#include "files/ArchiveWriter.h"
#include "files/LzoCodec.h"

namespace zentoir::testing {

inline std::string Le32(int64_t value) {
  std::vector<uint8_t> out;
  AppendLittleEndian32(out, static_cast<uint32_t>(value));
  return std::string(out.begin(), out.end());
}

// A stored file: unpacked size, then the LZO1X stream of the contents.
inline std::string StoredFile(const std::string& contents) {
  const std::vector<uint8_t> stream =
      CompressLzo1x({reinterpret_cast<const uint8_t*>(contents.data()), contents.size()});
  return Le32(static_cast<int64_t>(contents.size())) + std::string(stream.begin(), stream.end());
}

inline std::string DirectoryEntry(const std::string& name, int64_t position, int64_t size) {
  return std::string(1, static_cast<char>(name.size())) + name + Le32(position) + Le32(size);
}

inline std::string Trailer(int64_t directoryPosition) {
  return std::string("doZ") + Le32(directoryPosition);
}

// The archive the packer's writer makes of name/contents pairs.
inline std::string WrittenArchive(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<ArchiveInput> inputs;
  for (const auto& [name, contents] : files) {
    inputs.push_back({name, std::vector<uint8_t>(contents.begin(), contents.end())});
  }
  std::vector<uint8_t> archive;
  std::string error;
  BuildArchive(inputs, archive, error);
  return std::string(archive.begin(), archive.end());
}

}  // namespace zentoir::testing

#include "files/ArchiveWriter.h"

#include <limits>

#include "files/LzoCodec.h"
#include "text/AsciiCase.h"

namespace zentoir {
namespace {

bool CheckNames(const std::vector<ArchiveInput>& inputs, std::string& error) {
  for (size_t i = 0; i < inputs.size(); ++i) {
    const std::string& name = inputs[i].name;
    if (name.empty()) {
      error = "an archive entry needs a name";
      return false;
    }
    if (name.size() > kMaxArchiveNameLength) {
      error = "name longer than 255 bytes: " + name;
      return false;
    }
    if (name.find_first_of("/\\") != std::string::npos) {
      error = "name holds a directory separator: " + name;
      return false;
    }
    for (size_t j = 0; j < i; ++j) {
      if (EqualIgnoringAsciiCase(inputs[j].name, name)) {
        error = "duplicate base name (letter case is ignored): " + inputs[j].name + " and " + name;
        return false;
      }
    }
  }
  return true;
}

// Stored file: the unpacked size, then the LZO1X-1 stream.
std::vector<uint8_t> StoredFile(const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> stored;
  AppendLittleEndian32(stored, static_cast<uint32_t>(bytes.size()));
  std::vector<uint8_t> stream = CompressLzo1x(bytes);
  stored.insert(stored.end(), stream.begin(), stream.end());
  return stored;
}

}  // namespace

bool BuildArchive(const std::vector<ArchiveInput>& inputs, std::vector<uint8_t>& archive,
                  std::string& error) {
  if (!CheckNames(inputs, error)) return false;
  constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
  archive.clear();
  std::vector<int64_t> offsets;
  for (const ArchiveInput& input : inputs) {
    if (input.bytes.size() > static_cast<uint64_t>(kLimit)) {
      error = "file too large for the archive: " + input.name;
      return false;
    }
    offsets.push_back(static_cast<int64_t>(archive.size()));
    std::vector<uint8_t> stored = StoredFile(input.bytes);
    if (stored.size() <= kStoredSizeHeader) {
      error = "compression failed: " + input.name;
      return false;
    }
    archive.insert(archive.end(), stored.begin(), stored.end());
  }
  offsets.push_back(static_cast<int64_t>(archive.size()));  // where the directory begins

  int64_t directorySize = 1;
  for (const ArchiveInput& input : inputs)
    directorySize += 1 + input.name.size() + 8;
  const int64_t total = offsets.back() + directorySize + kArchiveTrailerSize;
  if (total > kLimit) {
    error = "archive larger than 2 GiB";
    return false;
  }
  for (size_t i = 0; i < inputs.size(); ++i) {
    const std::string& name = inputs[i].name;
    archive.push_back(static_cast<uint8_t>(name.size()));
    archive.insert(archive.end(), name.begin(), name.end());
    AppendLittleEndian32(archive, static_cast<uint32_t>(offsets[i] - total));
    AppendLittleEndian32(archive, static_cast<uint32_t>(offsets[i + 1] - offsets[i]));
  }
  archive.push_back(0);
  archive.insert(archive.end(), std::begin(kArchiveTrailerTag), std::end(kArchiveTrailerTag));
  AppendLittleEndian32(archive, static_cast<uint32_t>(offsets.back() - total));
  return true;
}

}  // namespace zentoir

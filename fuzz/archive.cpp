// A resource archive at the end of a file: its directory is walked and every entry
// read, then the data-file resolver looks some of its names up and extracts them.
#include <cstdlib>
#include <vector>

#include "FuzzInput.h"
#include "files/ArchiveReader.h"
#include "files/ArchiveSlot.h"
#include "os/File.h"

namespace {

constexpr int kMaxEntries = 64;
constexpr size_t kNamesResolved = 4;

// Walks the directory, decodes every entry and returns the first few names.
std::vector<std::string> ReadEverything(const std::string& path) {
  std::vector<std::string> names;
  zentoir::ArchiveReader reader;
  if (reader.Open(path) != zentoir::ArchiveReader::OpenStatus::kOpened) return names;
  zentoir::ArchiveEntry entry;
  for (int i = 0; i < kMaxEntries && reader.NextEntry(entry); ++i) {
    if (names.size() < kNamesResolved) names.push_back(entry.name);
    reader.ReadFile(entry);
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zentoir;
  fuzz::PrivateTempDir();  // extracted files go there
  const std::string path = fuzz::BytesAsFile(data, size);
  std::vector<std::string> names = ReadEverything(path);
  names.push_back("absent.bmp");

  ArchiveSlot slot;
  slot.archivePath = path;
  for (const std::string& name : names) {
    std::string resolved;
    if (ResolveDataFile(slot, name.c_str(), resolved) == 1) {
      os::File extracted;
      if (!extracted.OpenRead(resolved)) std::abort();  // reported as provided, yet absent
    }
  }
  DeleteExtractedFile(slot);
  return 0;
}

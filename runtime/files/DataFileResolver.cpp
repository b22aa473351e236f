// ResolveDataFile: a loose file before the archive.
#include <optional>
#include <string_view>
#include <vector>

#include "base/ErrorLog.h"
#include "base/Shutdown.h"
#include "files/ArchiveReader.h"
#include "files/ArchiveSlot.h"
#include "os/File.h"
#include "os/Paths.h"
#include "os/ReplaceFile.h"

namespace zentoir {
namespace {

bool LooseFileExists(const char* name) {
  os::File file;
  return file.OpenRead(os::NativePath(name));
}

// The characters after the last '/' or '\'.
std::string_view BaseName(std::string_view name) {
  const size_t cut = name.find_last_of("/\\");
  return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

char LetterOf(int32_t value) {
  return static_cast<char>('A' + static_cast<uint8_t>(value & 0xFF) % 26);
}

// "doz", a letter from the data position's low byte, a letter from the stored size's low
// byte, then the entry's name.
std::string TemporaryName(const ArchiveEntry& entry) {
  return std::string("doz") + LetterOf(entry.dataPosition) + LetterOf(entry.storedSize) +
         entry.name;
}

// Writes the extracted file into the temporary directory, or, when that cannot be written
// (full, read-only, missing), into the next writable one of the system's temporary
// folders; the path written, or "" when none took it.
std::string WriteExtractedFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::vector<std::string> folders = os::SpareTempDirectories();
  folders.insert(folders.begin(), os::TempDirectory());
  for (const std::string& dir : folders) {
    if (os::ReplaceFileContents(dir + name, bytes)) return dir + name;
  }
  return "";
}

// Looks the base name up in the slot's archive and extracts it. A missing entry, a
// damaged entry or a failed write gives 0 and an empty output; an unusable archive
// gives 0 and leaves the output alone.
int ExtractFromArchive(ArchiveSlot& slot, const char* requestedName, std::string& outputPath) {
  if (!slot.enabled) return 0;
  ArchiveReader reader;
  const auto status = slot.archivePath.empty() ? ArchiveReader::OpenStatus::kCannotOpen
                                               : reader.Open(os::NativePath(slot.archivePath));
  if (status == ArchiveReader::OpenStatus::kCannotOpen ||
      status == ArchiveReader::OpenStatus::kNoTrailer) {
    slot.enabled = 0;
    return 0;
  }
  outputPath.clear();
  ArchiveEntry entry;
  if (status != ArchiveReader::OpenStatus::kOpened ||
      !reader.FindEntry(BaseName(requestedName), entry)) {
    return 0;
  }
  const std::optional<std::vector<uint8_t>> bytes = reader.ReadFile(entry);
  reader.Close();
  const std::string path = bytes ? WriteExtractedFile(TemporaryName(entry), *bytes) : "";
  if (path.empty()) {
    AppendErrorLog(("Packed file not provided (" +
                    std::string(bytes ? "no temporary folder takes it" : "damaged") +
                    "): " + entry.name)
                       .c_str());
    return 0;
  }
  slot.extractedPath = path;
  AddShutdownStep(ShutdownStage::Archives, DeleteExtractedFiles);
  outputPath = path;
  return 1;
}

}  // namespace

int ResolveDataFile(ArchiveSlot& slot, const char* requestedName, std::string& outputPath) {
  DeleteExtractedFile(slot);
  if (!requestedName || !*requestedName) {
    outputPath.clear();
    return 0;
  }
  if (LooseFileExists(requestedName)) {
    outputPath = requestedName;
    return 1;
  }
  return ExtractFromArchive(slot, requestedName, outputPath);
}

bool ResolveGeneralDataFile(const DynString& requestedName, std::string& outputPath) {
  return ResolveDataFile(GeneralArchiveSlot(), requestedName.CStr(), outputPath) == 1;
}

}  // namespace zentoir

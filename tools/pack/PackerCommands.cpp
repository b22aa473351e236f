#include "pack/PackerCommands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/ArchiveReader.h"
#include "files/ArchiveWriter.h"
#include "pack/InputFiles.h"

namespace zentoir::pack {
namespace {

namespace fs = std::filesystem;

int Fail(const std::string& message) {
  std::fprintf(stderr, "zentoir-pack: %s\n", message.c_str());
  return 1;
}

// Where an archive already appended to the file begins: -1 when the file carries none,
// -2 (with a message) when it cannot be read or its archive is damaged.
int64_t ExistingArchiveStart(const std::string& file, std::string& error) {
  ArchiveReader reader;
  switch (reader.Open(file)) {
    case ArchiveReader::OpenStatus::kNoTrailer:
      return -1;
    case ArchiveReader::OpenStatus::kOpened:
      break;
    default:
      error = "cannot read " + file;
      return -2;
  }
  int64_t start = reader.DirectoryOffset();
  ArchiveEntry entry;
  while (start >= 0 && reader.NextEntry(entry)) {
    const int64_t offset = ResolveArchivePosition(entry.dataPosition, reader.FileSize());
    start = offset < 0 ? -1 : std::min(start, offset);
  }
  if (start < 0 || !reader.DirectoryComplete()) {
    error = file + " ends in a damaged archive; not touching it";
    return -2;
  }
  return start;
}

bool OpenArchive(const std::string& file, ArchiveReader& reader, std::string& error) {
  switch (reader.Open(file)) {
    case ArchiveReader::OpenStatus::kOpened:
      return true;
    case ArchiveReader::OpenStatus::kNoTrailer:
      error = file + " carries no archive";
      return false;
    default:
      error = "cannot read " + file;
      return false;
  }
}

// An entry name that is safe to use as a file name inside the output folder.
bool UsableFileName(const std::string& name) {
  return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos &&
         name.find('\0') == std::string::npos;
}

bool WriteWholeFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int AppendArchive(const std::string& target, const std::vector<std::string>& inputs) {
  std::string error;
  if (!fs::is_regular_file(target)) return Fail("no such file: " + target);
  std::vector<std::string> paths;
  std::vector<ArchiveInput> files;
  std::vector<uint8_t> archive;
  if (!ExpandLists(inputs, paths, error) || !CollectInputs(paths, files, error) ||
      !BuildArchive(files, archive, error)) {
    return Fail(error);
  }
  const int64_t existing = ExistingArchiveStart(target, error);
  if (existing == -2) return Fail(error);
  std::error_code failure;
  if (existing >= 0) {
    std::printf("replacing the archive already appended to %s\n", target.c_str());
    fs::resize_file(target, static_cast<uintmax_t>(existing), failure);
    if (failure)
      return Fail("cannot cut the old archive from " + target + ": " + failure.message());
  }
  std::ofstream out(target, std::ios::binary | std::ios::app);
  out.write(reinterpret_cast<const char*>(archive.data()),
            static_cast<std::streamsize>(archive.size()));
  out.close();
  if (!out) return Fail("cannot write to " + target);
  std::printf("appended %zu files (%zu bytes) to %s\n", files.size(), archive.size(),
              target.c_str());
  return 0;
}

int ListArchive(const std::string& file) {
  std::string error;
  ArchiveReader reader;
  if (!OpenArchive(file, reader, error)) return Fail(error);
  int status = 0;
  ArchiveEntry entry;
  while (reader.NextEntry(entry)) {
    const auto bytes = reader.ReadFile(entry);
    if (bytes) {
      std::printf("%s\t%zu\t%d\n", entry.name.c_str(), bytes->size(), entry.storedSize);
    } else {
      std::printf("%s\t-\t%d\tdamaged\n", entry.name.c_str(), entry.storedSize);
      status = 1;
    }
  }
  if (!reader.DirectoryComplete()) return Fail("the directory of " + file + " is damaged");
  return status;
}

int ExtractArchive(const std::string& file, const std::string& folder) {
  std::string error;
  ArchiveReader reader;
  if (!OpenArchive(file, reader, error)) return Fail(error);
  std::error_code failure;
  fs::create_directories(folder, failure);
  if (failure) return Fail("cannot create folder " + folder + ": " + failure.message());
  int status = 0;
  ArchiveEntry entry;
  while (reader.NextEntry(entry)) {
    if (!UsableFileName(entry.name)) {
      status = Fail("entry name unusable as a file name: " + entry.name);
      continue;
    }
    const auto bytes = reader.ReadFile(entry);
    if (!bytes) {
      status = Fail("damaged entry: " + entry.name);
    } else if (!WriteWholeFile(fs::path(folder) / entry.name, *bytes)) {
      status = Fail("cannot write " + (fs::path(folder) / entry.name).string());
    }
  }
  if (!reader.DirectoryComplete()) return Fail("the directory of " + file + " is damaged");
  return status;
}

}  // namespace zentoir::pack

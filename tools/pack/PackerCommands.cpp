#include "pack/PackerCommands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "files/ArchiveReader.h"
#include "files/ArchiveWriter.h"
#include "os/File.h"
#include "os/ReplaceFile.h"
#include "pack/InputFiles.h"
#include "pack/NarrowNames.h"

namespace zentoir::pack {
namespace {

namespace fs = std::filesystem;

int Fail(const std::string& message) {
  std::fprintf(stderr, "zentoir-pack: %s\n", message.c_str());
  return 1;
}

// Where the archive appended to the file begins, when the tail of the file is one in
// every respect: a complete directory that ends right at the trailer and entries that
// all decode. -1 when the file carries none; a tail that merely looks like one (bytes
// of the program that happen to end in "doZ" and a position) is damaged.
int64_t ArchiveStart(ArchiveReader& reader) {
  int64_t start = reader.DirectoryOffset();
  int64_t directoryEnd = start;
  ArchiveEntry entry;
  while (start >= 0 && reader.NextEntry(entry)) {
    directoryEnd += static_cast<int64_t>(1 + entry.name.size() + 8);
    const int64_t offset = ResolveArchivePosition(entry.dataPosition, reader.FileSize());
    const bool decodes = offset >= 0 && reader.ReadFile(entry).has_value();
    start = decodes ? std::min(start, offset) : -1;
  }
  const bool whole =
      reader.DirectoryComplete() && directoryEnd + 1 == reader.FileSize() - kArchiveTrailerSize;
  return whole ? start : -1;
}

// Where an archive already appended to the file begins: -1 when the file carries none,
// -2 (with a message) when it cannot be read or its archive is damaged, so that cutting
// it off could take bytes of the program with it.
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
  const int64_t start = ArchiveStart(reader);
  if (start < 0) {
    error = file + " ends in something like an archive that does not decode; not touching it";
    return -2;
  }
  return start;
}

// The first `count` bytes of `from`, copied to `to`.
bool CopyPrefix(os::File& from, int64_t count, os::File& to) {
  std::vector<uint8_t> block(1 << 16);
  while (count > 0) {
    const size_t size = static_cast<size_t>(std::min<int64_t>(count, int64_t(block.size())));
    if (!from.ReadExact(block.data(), size) || !to.WriteAll(block.data(), size)) return false;
    count -= static_cast<int64_t>(size);
  }
  return true;
}

// The target cut at `oldArchive` (-1: kept whole) with the new archive appended, written
// beside it and renamed over it, so a failure leaves the target as it was.
bool ReplaceArchive(const std::string& target, int64_t oldArchive,
                    const std::vector<uint8_t>& archive) {
  os::File from;
  os::FileReplacement to;
  if (!from.OpenRead(target) || !to.Begin(target)) return false;
  const int64_t keep = oldArchive >= 0 ? oldArchive : from.Size();
  if (keep < 0 || !CopyPrefix(from, keep, to.Output())) return false;
  from.Close();  // where files are opened without sharing, an open file cannot be replaced
  return to.Output().WriteAll(archive.data(), archive.size()) && to.Commit();
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
  if (existing >= 0) std::printf("replacing the archive already appended to %s\n", target.c_str());
  if (!ReplaceArchive(target, existing, archive)) return Fail("cannot write to " + target);
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
    const std::string path = NarrowName(fs::path(folder) / entry.name);
    if (!bytes) {
      status = Fail("damaged entry: " + entry.name);
    } else if (!os::ReplaceFileContents(path, *bytes)) {
      status = Fail("cannot write " + path);
    }
  }
  if (!reader.DirectoryComplete()) return Fail("the directory of " + file + " is damaged");
  return status;
}

}  // namespace zentoir::pack

#include "files/ArchiveReader.h"

#include <algorithm>
#include <cstring>

#include "files/LzoCodec.h"
#include "text/AsciiCase.h"

namespace zentoir {
namespace {

constexpr size_t kLargestEntry = 1 + kMaxArchiveNameLength + 8;

int32_t SignedAt(const uint8_t* bytes) {
  return static_cast<int32_t>(ReadLittleEndian32(bytes));
}

}  // namespace

ArchiveReader::OpenStatus ArchiveReader::Open(const std::string& path) {
  nextEntry_ = -1;
  directoryOffset_ = -1;
  directoryComplete_ = false;
  if (!file_.OpenRead(path)) return OpenStatus::kCannotOpen;
  fileSize_ = file_.Size();
  if (fileSize_ < kArchiveTrailerSize) {
    file_.Close();
    return fileSize_ < 0 ? OpenStatus::kReadFailed : OpenStatus::kNoTrailer;
  }
  uint8_t trailer[kArchiveTrailerSize];
  if (!file_.Seek(fileSize_ - kArchiveTrailerSize) || !file_.ReadExact(trailer, sizeof trailer)) {
    file_.Close();
    return OpenStatus::kReadFailed;
  }
  if (std::memcmp(trailer, kArchiveTrailerTag, sizeof kArchiveTrailerTag) != 0) {
    file_.Close();
    return OpenStatus::kNoTrailer;
  }
  directoryOffset_ = ResolveArchivePosition(SignedAt(trailer + 3), fileSize_);
  nextEntry_ = directoryOffset_;
  return OpenStatus::kOpened;
}

bool ArchiveReader::NextEntry(ArchiveEntry& entry) {
  if (nextEntry_ < 0 || !file_.Seek(nextEntry_)) return false;
  uint8_t bytes[kLargestEntry];
  const int64_t got = file_.Read(bytes, std::min<int64_t>(kLargestEntry, fileSize_ - nextEntry_));
  const size_t nameLength = got >= 1 ? bytes[0] : 0;
  if (got >= 1 && nameLength == 0) directoryComplete_ = true;
  if (nameLength == 0 || got < static_cast<int64_t>(1 + nameLength + 8)) {
    nextEntry_ = -1;
    return false;
  }
  entry.name.assign(reinterpret_cast<const char*>(bytes + 1), nameLength);
  entry.dataPosition = SignedAt(bytes + 1 + nameLength);
  entry.storedSize = SignedAt(bytes + 1 + nameLength + 4);
  nextEntry_ += static_cast<int64_t>(1 + nameLength + 8);
  return true;
}

bool ArchiveReader::FindEntry(std::string_view baseName, ArchiveEntry& entry) {
  while (NextEntry(entry)) {
    if (EqualIgnoringAsciiCase(entry.name, baseName)) return true;
  }
  return false;
}

std::optional<std::vector<uint8_t>> ArchiveReader::ReadFile(const ArchiveEntry& entry) {
  const int64_t offset = ResolveArchivePosition(entry.dataPosition, fileSize_);
  if (offset < 0 || entry.storedSize <= kStoredSizeHeader ||
      entry.storedSize > fileSize_ - offset) {
    return std::nullopt;
  }
  std::vector<uint8_t> stored(static_cast<size_t>(entry.storedSize));
  if (!file_.Seek(offset) || !file_.ReadExact(stored.data(), stored.size())) return std::nullopt;
  const std::span<const uint8_t> stream(stored.data() + kStoredSizeHeader,
                                        stored.size() - kStoredSizeHeader);
  return DecompressLzo1x(stream, ReadLittleEndian32(stored.data()));
}

}  // namespace zentoir

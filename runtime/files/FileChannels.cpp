// Opening and closing channels, and every read.
#include "files/FileChannels.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/LittleEndian.h"
#include "base/Shutdown.h"
#include "base/Stop.h"
#include "files/ChannelTable.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

constexpr uint32_t kLineLimit = 1024;
constexpr uint32_t kLinePiece = 64;

// Closes the channel; a written file that cannot take the old one's place is error 3.
void CloseOrStop(FileChannel& channel) {
  if (!CloseChannel(channel)) StopWithError(kErrorFile);
}

// Reads exactly `count` bytes; anything less is error 3.
void ReadItem(double channel, void* bytes, uint32_t count) {
  FileChannel& open = OpenChannelAt(channel);
  open.readPos += count;
  if (!open.handle.ReadExact(bytes, count)) StopWithError(kErrorFile);
}

uint64_t ReadUnsigned(double channel, uint32_t count) {
  uint8_t bytes[8];
  ReadItem(channel, bytes, count);
  return ReadLittleEndian(bytes, count);
}

// Ends the line at `end`, dropping a CR right before it.
void EndLineAt(char* line, char* end) {
  *end = 0;
  if (end > line && end[-1] == '\r') end[-1] = 0;
}

}  // namespace

double OpenFileChannel(double channel, const DynString& path, double mode) {
  FileChannel& target = ChannelAt(channel);
  CloseOrStop(target);
  const std::string native = os::NativePath(path.View());
  if (TruncateToInt64(mode) == 0) {
    if (!target.written.Begin(native)) return 0.0;
    // A program that ends without closing keeps what it wrote.
    AddExitStep(ExitStage::FileHandle, CloseAllChannels);
    return 1.0;
  }
  if (!target.handle.OpenRead(native)) return 0.0;
  target.fileSize = static_cast<uint64_t>(target.handle.Size());
  return 1.0;
}

void CloseFileChannel(double channel) {
  CloseOrStop(ChannelAt(channel));
}

double EndOfFile(double channel) {
  const FileChannel* found = FindChannel(channel);
  return (!found || found->readPos >= found->fileSize) ? 1.0 : 0.0;
}

void ReadByte(double channel, double& value) {
  value = static_cast<double>(ReadUnsigned(channel, 1));
}

void ReadWord(double channel, double& value) {
  value = static_cast<double>(ReadUnsigned(channel, 2));
}

void ReadLong(double channel, double& value) {
  value = static_cast<double>(ReadUnsigned(channel, 4));
}

void ReadIeee(double channel, double& value) {
  const uint64_t bits = ReadUnsigned(channel, 8);
  std::memcpy(&value, &bits, sizeof value);
}

void ReadText(double channel, DynString& text, double count) {
  FileChannel& open = ChannelAt(channel);
  const int64_t wanted = TruncateToInt64(count);
  if (wanted <= 0) {
    text = "";
    return;
  }
  if (!open.handle.IsOpen()) StopWithError(kErrorFile);
  // More than the file still holds can only be a short read: stop before reserving it.
  const int64_t left = open.handle.Size() - open.handle.Position();
  if (wanted > left || wanted >= UINT32_MAX) StopWithError(kErrorFile);
  const auto size = static_cast<uint32_t>(wanted);
  char* bytes = text.ReserveText(size);
  std::memset(bytes, 0, size + 1);
  ReadItem(channel, bytes, size);
  text.RecountText();
}

void ReadLine(double channel, DynString& text) {
  FileChannel& open = OpenChannelAt(channel);
  char* line = text.ReserveText(kLineLimit);
  std::memset(line, 0, kLineLimit + 1);
  uint32_t total = 0;
  while (total < kLineLimit) {
    const uint32_t asked = std::min(kLinePiece, kLineLimit - total);
    const int64_t got = open.handle.Read(line + total, asked);
    if (got < 0 || (total == 0 && got == 0)) StopWithError(kErrorFile);
    open.readPos += static_cast<uint64_t>(got);
    char* pieceEnd = line + total + got;
    auto* newline = static_cast<char*>(std::memchr(line + total, '\n', static_cast<size_t>(got)));
    if (newline) {
      // The next read starts right after the line end.
      const int64_t readAhead = pieceEnd - (newline + 1);
      open.handle.SeekBy(-readAhead);
      open.readPos -= static_cast<uint64_t>(readAhead);
      EndLineAt(line, newline);
      break;
    }
    if (got < asked) {  // the end of the file ends the line
      EndLineAt(line, pieceEnd);
      break;
    }
    total += asked;
  }
  text.RecountText();
}

void ReadNumberLine(double channel, double& value) {
  DynString line;
  ReadLine(channel, line);
  value = TextToNumber(line);
}

}  // namespace zentoir

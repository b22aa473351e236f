// Every write to a channel, at the file's current position.
#include <cstring>
#include <string>

#include "core/Stop.h"
#include "files/ChannelTable.h"
#include "files/FileChannels.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

// A failed write drops the whole new file, so the old file stays as it was.
void WriteBytes(double channel, const void* bytes, size_t count) {
  FileChannel& open = OpenChannelAt(channel);
  if (open.written.Active() && open.written.Output().WriteAll(bytes, count)) return;
  open.written.Discard();
  StopWithError(kErrorFile);
}

void WriteUnsigned(double channel, uint64_t value, uint32_t count) {
  uint8_t bytes[8];
  for (uint32_t i = 0; i < count; ++i)
    bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  WriteBytes(channel, bytes, count);
}

uint64_t TruncatedBits(double value) {
  return static_cast<uint64_t>(TruncateToInt64(value));
}

}  // namespace

void WriteByte(double channel, double value) {
  WriteUnsigned(channel, TruncatedBits(value), 1);
}

void WriteWord(double channel, double value) {
  WriteUnsigned(channel, TruncatedBits(value), 2);
}

void WriteLong(double channel, double value) {
  WriteUnsigned(channel, TruncatedBits(value), 4);
}

void WriteIeee(double channel, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  WriteUnsigned(channel, bits, 8);
}

void WriteText(double channel, const DynString& text) {
  WriteBytes(channel, text.CStr(), text.length);
}

void WriteLine(double channel, const DynString& text) {
  std::string line(text.View());
  line += "\r\n";
  WriteBytes(channel, line.data(), line.size());
}

void WriteNumberLine(double channel, double value) {
  WriteLine(channel, NumberToText(value));
}

}  // namespace zentoir

#include "files/ChannelTable.h"

#include <array>

#include "core/Stop.h"
#include "files/FileChannels.h"
#include "text/NumberText.h"

namespace zentoir {
namespace {

std::array<FileChannel, kChannelCount>& Channels() {
  static std::array<FileChannel, kChannelCount> channels;
  return channels;
}

}  // namespace

FileChannel* FindChannel(double channel) {
  const int32_t number = TruncateToInt32(channel);
  if (number < 0 || number >= kChannelCount) return nullptr;
  return &Channels()[static_cast<size_t>(number)];
}

FileChannel& ChannelAt(double channel) {
  FileChannel* found = FindChannel(channel);
  if (!found) StopWithError(kErrorArgument);
  return *found;
}

FileChannel& OpenChannelAt(double channel) {
  FileChannel& found = ChannelAt(channel);
  if (!found.IsOpen()) StopWithError(kErrorFile);
  return found;
}

bool CloseChannel(FileChannel& channel) {
  channel.handle.Close();
  channel.fileSize = 0;
  channel.readPos = 0;
  return !channel.written.Active() || channel.written.Commit();
}

void CloseAllChannels() {
  for (FileChannel& channel : Channels())
    CloseChannel(channel);
}

}  // namespace zentoir

// The table of file channels behind the channel commands.
#pragma once

#include <cstdint>

#include "os/File.h"
#include "os/ReplaceFile.h"

namespace zentoir {

// Sizes and positions are 64-bit, so files beyond 4 GiB read to their real end.
struct FileChannel {
  os::File handle;              // the file open for reading
  os::FileReplacement written;  // open for writing: becomes the file when closed
  uint64_t fileSize = 0;        // size when opened for reading; 0 when opened for writing
  uint64_t readPos = 0;         // bytes consumed by reads so far

  bool IsOpen() const { return handle.IsOpen() || written.Active(); }
};

// The channel for a channel number; error 7 stops the program when it is outside 0..7.
FileChannel& ChannelAt(double channel);

// The same, also stopping with error 3 when the channel is closed.
FileChannel& OpenChannelAt(double channel);

// The channel for a number in range, or null.
FileChannel* FindChannel(double channel);

// Closes the channel. A file written through it replaces the old file now; false when
// that fails (the old file then stays as it was).
bool CloseChannel(FileChannel& channel);

// Closes every channel, keeping what was written (the exit step of the channels).
void CloseAllChannels();

}  // namespace zentoir

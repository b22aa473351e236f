// The table of file channels behind the channel commands.
#pragma once

#include <cstdint>

#include "os/File.h"

namespace zentoir {

struct FileChannel {
  os::File handle;
  uint32_t fileSize = 0;  // size when opened for reading; 0 when opened for writing
  uint32_t readPos = 0;   // bytes consumed by reads so far
};

// The channel for a channel number; error 7 stops the program when it is outside 0..7.
FileChannel& ChannelAt(double channel);

// The same, also stopping with error 3 when the channel is closed.
FileChannel& OpenChannelAt(double channel);

// The channel for a number in range, or null.
FileChannel* FindChannel(double channel);

}  // namespace zentoir

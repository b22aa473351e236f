// File channels 0..7: binary values and text lines read and written in sequence.
// Values are little-endian. A channel number outside 0..7 stops the program with error
// 7; a read or write on a closed channel, or one that falls short, stops it with error 3.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// The number of file channels.
inline constexpr int kChannelCount = 8;

// Closes whatever the channel had open. Mode ≠ 0: opens an existing regular file for
// reading. Mode 0: opens the file anew, empty, for writing. 1 on success, else 0 (also
// for a path that holds a folder, FIFO or device, which is left alone).
// A file opened for writing is written beside the old one and takes its place when the
// channel is closed (or reopened, or the program ends); until then the old file stays,
// and a failed write (error 3) leaves it as it was. A replacement that fails at the
// close is error 3 too.
double OpenFileChannel(double channel, const DynString& path, double mode);
void CloseFileChannel(double channel);

// Unsigned byte, word and long; an 8-byte IEEE double.
void ReadByte(double channel, double& value);
void ReadWord(double channel, double& value);
void ReadLong(double channel, double& value);
void ReadIeee(double channel, double& value);
// `count` bytes; the text ends at the first NUL read. count ≤ 0 reads nothing.
void ReadText(double channel, DynString& text, double count);
// One line of at most 1024 bytes, without its LF or CR LF. The end of the file ends
// the last line; reading at the end is error 3.
void ReadLine(double channel, DynString& text);
void ReadNumberLine(double channel, double& value);

// The low 8, 16 or 32 bits of the truncated value; the double as it is.
void WriteByte(double channel, double value);
void WriteWord(double channel, double value);
void WriteLong(double channel, double value);
void WriteIeee(double channel, double value);
void WriteText(double channel, const DynString& text);
void WriteLine(double channel, const DynString& text);
void WriteNumberLine(double channel, double value);

// 1 when everything the channel's file held has been read, else 0. A channel number
// outside 0..7 has nothing to read and gives 1.
double EndOfFile(double channel);

}  // namespace zentoir

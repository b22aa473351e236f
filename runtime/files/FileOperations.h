// Whole-file utilities and the current directory.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// 1 if the path names a regular file that can be opened for reading, else 0.
double FileExists(const DynString& path);

// Size in bytes, 0 if the file cannot be opened.
double FileSize(const DynString& path);

// Deletes the file; the path goes to the platform as it is. Only regular files (and
// links) are deleted, never a FIFO or device node.
void RemoveFile(const DynString& path);

// Copies source to destination in blocks of 4096 bytes. Nothing happens when the
// source cannot be opened or the destination is no regular file (a folder, FIFO or
// device); a copy that fails part way leaves the old destination as it was.
void DuplicateFile(const DynString& source, const DynString& destination);

// The whole file as bytes, when it is a regular file of at most `limit` bytes: 1, else 0
// with `bytes` empty.
double ReadFileBytes(const DynString& path, DynString& bytes, double limit);

// Writes the bytes beside the file and renames them over it, so that a program killed
// while saving leaves the old file or the new one, never a part. 1 when written, else 0
// with the old file as it was and nothing left beside it; anything but a regular file is
// never replaced.
double SaveFileSafely(const DynString& path, const DynString& bytes);

// The current directory, always ending in '/'.
DynString CurrentDirectory();

// Makes the folder the current directory; nothing happens when it cannot.
void ChangeDirectory(const DynString& path);

}  // namespace zentoir

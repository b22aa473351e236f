// What File.cpp tells the other file code of this folder about names and open handles.
#pragma once

#include "os/windows/SystemHeaders.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zentoir::os::win32 {

// True for a name that Windows maps to a device whatever the folder: a base name CON, PRN,
// AUX, NUL, COM0-9, LPT0-9, CONIN$ or CONOUT$ (with any extension), and any path in the
// device namespaces ("\\.\", "\\?\", "\??\"). Such a name is never opened.
bool NamesADevice(std::string_view path);

// What a name holds, the name itself looked at (a link is not followed).
enum class NameKind {
  kNothing,    // nothing there, or the folder is missing
  kPlainFile,  // a file of data (reparse points that only keep its data elsewhere included)
  kFileLink,   // a symbolic link that is no folder
  kOtherLink,  // a junction, a link to a folder, another reparse point naming a path, or
               // one whose tag cannot be read
  kOther,      // a folder, a device, a special file, or a name that cannot be looked at
};
NameKind KindOfName(const std::string& path);

// True when the open handle is a file on a disk and no folder.
bool IsOpenPlainFile(HANDLE file);

// Writes all bytes at the handle's position; true when every byte was written.
bool WriteAllTo(HANDLE file, const void* bytes, size_t count);

}  // namespace zentoir::os::win32

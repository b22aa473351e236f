// Libraries loaded by file name at run time, and the functions they export.
#pragma once

namespace zentoir::os {

using LibraryHandle = void*;

// Loads a library by the name as given: a bare name is searched the way the system's
// loader searches, a name with a path separator must lead to a regular file (never a
// FIFO, pipe, device or folder, which could block or mislead the loader). Null when it
// cannot be loaded.
LibraryHandle OpenLibrary(const char* name);

// The address of an exported symbol, or null.
void* LibrarySymbol(LibraryHandle library, const char* name);

void CloseLibrary(LibraryHandle library);

}  // namespace zentoir::os

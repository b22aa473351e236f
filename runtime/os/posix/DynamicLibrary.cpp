#include "os/DynamicLibrary.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstring>

namespace zentoir::os {
namespace {

// A name with a '/' is a path that the loader would open as it stands, so it must lead to
// a regular file (through links): a FIFO would block the open for ever, a device or
// folder is no library. A bare name is looked up on the loader's own search path.
bool MayHandToLoader(const char* name) {
  if (!std::strchr(name, '/')) return true;
  struct stat info;
  return stat(name, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

LibraryHandle OpenLibrary(const char* name) {
  // An empty name would answer the program itself.
  if (!name || !*name || !MayHandToLoader(name)) return nullptr;
  return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
  return library ? dlsym(library, name) : nullptr;
}

void CloseLibrary(LibraryHandle library) {
  if (library) dlclose(library);
}

}  // namespace zentoir::os

#include "os/DynamicLibrary.h"

#include <dlfcn.h>

namespace zentoir::os {

LibraryHandle OpenLibrary(const char* name) {
  // An empty name would answer the program itself.
  if (!name || !*name) return nullptr;
  return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
  return library ? dlsym(library, name) : nullptr;
}

void CloseLibrary(LibraryHandle library) {
  if (library) dlclose(library);
}

}  // namespace zentoir::os

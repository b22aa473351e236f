// A web page's program is one WebAssembly module: there is no library to load beside it,
// and the console says so once.
#include "os/DynamicLibrary.h"

#include <emscripten.h>

namespace zentoir::os {

LibraryHandle OpenLibrary(const char*) {
  static bool told = false;
  if (!told) emscripten_log(EM_LOG_CONSOLE | EM_LOG_WARN, "A web page loads no outside libraries");
  told = true;
  return nullptr;
}

void* LibrarySymbol(LibraryHandle, const char*) {
  return nullptr;
}

void CloseLibrary(LibraryHandle) {}

}  // namespace zentoir::os

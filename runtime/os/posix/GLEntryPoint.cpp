#include "os/GLEntryPoint.h"

#include <dlfcn.h>

#include "os/GLContext.h"

namespace zentoir::os {
namespace {

// The GL library the program already has loaded (null when it has none).
void* LoadedGLLibrary() {
  static void* const library = dlopen("libGL.so.1", RTLD_LAZY | RTLD_NOLOAD);
  return library;
}

}  // namespace

bool GLEntryPointAvailable(const char* name) {
  if (!GLProcAddress(name)) return false;
  void* library = LoadedGLLibrary();
  return !library || dlsym(library, name) != nullptr;
}

}  // namespace zentoir::os

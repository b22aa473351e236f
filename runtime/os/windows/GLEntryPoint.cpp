#include "os/GLEntryPoint.h"

#include "os/windows/SystemHeaders.h"

#include <cstdint>

namespace zentoir::os {
namespace {

// Some drivers answer an unknown name with 1, 2, 3 or -1 instead of null.
bool IsRealAddress(PROC address) {
  const auto value = reinterpret_cast<intptr_t>(address);
  return value != 0 && value != 1 && value != 2 && value != 3 && value != -1;
}

// The driver knows the entry points beyond OpenGL 1.1 (for the current context); those of
// OpenGL 1.1 itself are the system library's own exports.
bool SystemLibraryExports(const char* name) {
  const HMODULE library = GetModuleHandleA("opengl32.dll");
  return library && GetProcAddress(library, name) != nullptr;
}

}  // namespace

bool GLEntryPointAvailable(const char* name) {
  if (!name || !*name) return false;
  return IsRealAddress(wglGetProcAddress(name)) || SystemLibraryExports(name);
}

}  // namespace zentoir::os

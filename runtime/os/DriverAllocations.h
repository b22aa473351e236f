// Allocations made by the system's window and OpenGL driver stack on our behalf.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace zentoir::os {

// While one of these lives, the leak checker of a sanitizer build does not count new
// allocations: drivers keep some of what they allocate for a window or context until
// the process exits, which is theirs to manage and not a leak of ours. Does nothing in
// a normal build.
class DriverAllocationScope {
 public:
#if defined(__SANITIZE_ADDRESS__)
  DriverAllocationScope() {
    __lsan_disable();
  }
  ~DriverAllocationScope() {
    __lsan_enable();
  }
#else
  DriverAllocationScope() {}
  ~DriverAllocationScope() {}
#endif
  DriverAllocationScope(const DriverAllocationScope&) = delete;
  DriverAllocationScope& operator=(const DriverAllocationScope&) = delete;
};

}  // namespace zentoir::os

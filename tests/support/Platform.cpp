#include "support/Platform.h"

#include <cstring>

#include "os/SystemFacts.h"

namespace zentoir::testing {

bool OnWindows() {
  return std::strcmp(os::PlatformName(), "WIN32") == 0;
}

const char* HeadlessVideoDriver() {
  return OnWindows() ? "windows" : "offscreen";
}

// Windows returns the code as it stands; POSIX systems put it above the signal that
// ended the program, which is 0 for a normal end (the layout WEXITSTATUS reads).
int ExitCodeOf(int systemResult) {
  if (OnWindows()) return systemResult;
  return (systemResult & 0x7f) == 0 ? (systemResult >> 8) & 0xff : -1;
}

}  // namespace zentoir::testing

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

}  // namespace zentoir::testing

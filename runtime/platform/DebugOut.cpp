#include "platform/DebugOut.h"

#include <cstdio>

#include "os/SystemFacts.h"

namespace zentoir {
namespace {

// Whether DebugOut writes anything at the moment.
bool DebugOutActive() {
  return os::EnvironmentFlag("ZENTOIR_DEBUG_OUT") || os::DebuggerAttached();
}

}  // namespace

void DebugOut(const DynString& text) {
  if (!DebugOutActive()) return;
  DynString line = "TX";
  line += text;
  std::fwrite(line.CStr(), 1, line.length, stderr);
  std::fflush(stderr);
}

}  // namespace zentoir

#include "os/LogEcho.h"

#include <emscripten.h>

#include <string>

namespace zentoir::os {

void EchoErrorLogLine(std::string_view line) {
  emscripten_log(EM_LOG_CONSOLE | EM_LOG_WARN, "%s", std::string(line).c_str());
}

}  // namespace zentoir::os

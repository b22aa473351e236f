#include "os/LogEcho.h"

namespace zentoir::os {

void EchoErrorLogLine(std::string_view) {}  // the log file is where it is read

}  // namespace zentoir::os

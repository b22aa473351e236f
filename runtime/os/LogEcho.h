// The error log where its reader is: a file in the temporary folder on the desktop, but
// a web page's files live in memory, so there each line is also shown on the browser's
// console.
#pragma once

#include <string_view>

namespace zentoir::os {

// Shows the error-log line where the platform's user sees it; nothing on the desktop.
void EchoErrorLogLine(std::string_view line);

}  // namespace zentoir::os

// "ErrorLog.txt" in the temporary directory: plain diagnostic lines ending in CR LF.
#pragma once

#include <string_view>

namespace zentoir {

// Appends the text and CR LF. Tries five times, 100 ms apart, when the file is held
// by another program; after that the line is dropped silently.
void AppendErrorLog(std::string_view text);

}  // namespace zentoir

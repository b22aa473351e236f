// Where the error log lives, for start-up (which empties it) and for tests that read it.
#pragma once

#include <string>

namespace zentoir {

// Full path of the error log.
std::string ErrorLogPath();

// Deletes the error log, so that it only holds lines of the current run.
void RemoveErrorLog();

}  // namespace zentoir

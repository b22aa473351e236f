// Starting another program.
#pragma once

namespace zentoir::os {

// Starts a command line through the shell, without waiting for it and without
// handing it our open files beyond the standard ones. False if it could not start.
bool StartCommandLine(const char* commandLine);

// This process's id.
unsigned long CurrentProcessId();

}  // namespace zentoir::os

// Whether the OpenGL driver has an entry point of a given name.
#pragma once

namespace zentoir::os {

// True when the driver has an entry point of that name. The driver's answer is not taken
// alone: some drivers hand out a dispatch stub for any name that starts with "gl"
// (made-up ones included), others a small number in place of null; it is weighed
// against what the system GL library knows.
bool GLEntryPointAvailable(const char* name);

}  // namespace zentoir::os

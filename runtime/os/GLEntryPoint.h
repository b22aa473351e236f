// Whether the OpenGL driver has an entry point of a given name.
#pragma once

namespace zentoir::os {

// True when the driver gives an address for the name and the system GL library knows
// the name. The driver alone is not enough: it hands out a dispatch stub for any name
// that starts with "gl", made-up ones included.
bool GLEntryPointAvailable(const char* name);

}  // namespace zentoir::os

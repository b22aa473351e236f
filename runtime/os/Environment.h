// Changing this process's environment, which the programs it starts inherit.
#pragma once

namespace zentoir::os {

// Sets the variable, or removes it for a null value. An existing value stays unless
// `replace`.
void SetEnvironmentValue(const char* name, const char* value, bool replace = true);

}  // namespace zentoir::os

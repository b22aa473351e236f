#include "os/Environment.h"

#include <cstdlib>

namespace zentoir::os {

// _putenv_s changes the C library's copy that getenv reads as well as the system's.
void SetEnvironmentValue(const char* name, const char* value, bool replace) {
  if (!replace && std::getenv(name)) return;
  if (!value && !std::getenv(name)) return;
  _putenv_s(name, value ? value : "");  // an empty value removes the variable
}

}  // namespace zentoir::os

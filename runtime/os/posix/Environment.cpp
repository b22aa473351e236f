#include "os/Environment.h"

#include <cstdlib>

namespace zentoir::os {

void SetEnvironmentValue(const char* name, const char* value, bool replace) {
  if (value) {
    setenv(name, value, replace ? 1 : 0);
  } else if (replace) {
    unsetenv(name);
  }
}

}  // namespace zentoir::os

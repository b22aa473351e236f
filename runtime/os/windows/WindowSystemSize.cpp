#include "os/WindowScaling.h"

namespace zentoir::os {

bool WindowSystemSize(WindowHandle, int&, int&) {
  return false;  // SDL's sizes are the window's own here
}

}  // namespace zentoir::os

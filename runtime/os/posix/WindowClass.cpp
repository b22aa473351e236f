#include "os/WindowClass.h"

namespace zentoir::os {

// X windows take their icon from the window itself (see Window.h).
void PrepareWindowClass() {}

}  // namespace zentoir::os

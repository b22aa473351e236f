// What the system must know of the program's windows before the first one is made.
#pragma once

namespace zentoir::os {

// Names the class of the program's windows "Zentoir" and gives them the executable's
// icon where the system has such things; nothing elsewhere. Runs before video starts.
void PrepareWindowClass();

}  // namespace zentoir::os

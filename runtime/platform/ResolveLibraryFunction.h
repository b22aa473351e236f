// Functions of outside libraries by library and function name.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Sets `address` to the function's address in the library, or null. A library is
// loaded once (by the name as given; file names are case-sensitive) and found again
// under any letter case of that name; it stays loaded until program end. The caller's
// texts are not changed. A failed load sends "Failed to load: " + name through DebugOut.
void ResolveLibraryFunction(const DynString& library, const DynString& function, void*& address);

}  // namespace zentoir

// Debug lines for a developer watching the program.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Writes "TX" and the text to standard error when a debugger is attached or
// ZENTOIR_DEBUG_OUT=1 is set; otherwise does nothing. The text is written as it
// stands (no line feed is added).
void DebugOut(const DynString& text);

}  // namespace zentoir

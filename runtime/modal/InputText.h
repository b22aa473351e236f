// The modal line editor.
#pragma once

#include "text/DynString.h"

namespace zentoir {

// Edits the text in place at (x, y) with the selected font, frame by frame, over the
// screen as it was at the call (kept in background image 3), with a blinking "_".
// Backspace removes the last byte, Return ends the entry; there is no length limit.
void InputText(DynString& text, double x, double y);

}  // namespace zentoir

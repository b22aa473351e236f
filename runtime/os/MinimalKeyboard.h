// A direct read of the few keys the frame loop tests (Esc, Alt, F4), by their DirectInput
// key codes, from SDL's keyboard state. The input object replaces it with its own.
#pragma once

namespace zentoir::os {

// True while the key with this code is held: 1 Esc, 56 Alt (either), 62 F4. Other
// codes are never reported down. The state is as of the last event poll.
bool IsStopKeyDown(int keyCode);

}  // namespace zentoir::os

// How a play picks one of a sound slot's buffers.
#pragma once

namespace zentoir {

// The buffer of a loaded slot that the next play uses: the one tried first when it is
// free, else the following one, whose running copy is cut off. −1 when a slot with
// one buffer is still playing.
int PickFreeBuffer(int slot);

}  // namespace zentoir

// Warning boxes for the few notices a player must see.
#pragma once

namespace zentoir::os {

// True where a box can be seen and answered: a real display (not the offscreen or
// dummy video driver) and ZENTOIR_NO_MESSAGE_BOX not set.
bool CanShowMessageBox();

// Shows a warning box without owner on a thread of its own, so that the program goes on
// while the box is open. Where no box can be shown, the caption and text go to standard
// error instead. Texts are UTF-8.
void ShowWarningBox(const char* caption, const char* text);

// Closes a warning box that is still open, and with it every process started to show
// it; runs by itself at process exit as well, so no box outlives the program.
void CloseWarningBox();

}  // namespace zentoir::os

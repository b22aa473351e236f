// The message pump: window events taken off the queue and dispatched.
#pragma once

namespace zentoir {

// Takes every waiting event off the queue and dispatches it. Returns 1.
double PumpMessages();

}  // namespace zentoir

// Calls that might block on a FIFO, run so that a regression fails the test instead of
// hanging the suite.
#pragma once

#include <functional>
#include <string>

namespace zentoir::testing {

// Makes a FIFO at the path; true on success.
bool MakeFifo(const std::string& path);

// Runs `call` on a thread and gives it a few seconds. True when it returned in time.
// When it did not (it waits in an open or read of the FIFO), the FIFO is opened and
// closed from here until the call gets past it, so the call ends and the result is false.
bool FinishesWithoutBlocking(const std::string& fifo, const std::function<void()>& call);

}  // namespace zentoir::testing

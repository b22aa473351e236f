// What a test needs to know about the system it runs on, asked at run time.
#pragma once

namespace zentoir::testing {

// True on Windows (also under Wine).
bool OnWindows();

// SDL's video driver for tests without a display of their own: the offscreen driver
// has OpenGL only on POSIX systems, so Windows uses its own driver.
const char* HeadlessVideoDriver();

// The exit code of a program run by std::system, from what that returned; -1 when it
// did not end by itself.
int ExitCodeOf(int systemResult);

}  // namespace zentoir::testing

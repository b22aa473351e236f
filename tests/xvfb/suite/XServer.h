// An Xvfb server of the test's own on a free display number, and the small process
// helpers the window tests need.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zentoir::testing {

class XServer {
 public:
  // Starts Xvfb with one screen of the given size; Display() is "" if it failed.
  XServer(int width, int height);
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  const std::string& Display() const { return display_; }

 private:
  bool StartOn(int number, const std::string& screen);

  pid_t pid_ = -1;
  int outputFd_ = -1;
  std::string display_;
};

// Points SDL (here and in the programs started later) at the server's display, with no
// message box and full screen allowed.
void UseDisplay(const std::string& display);
// Starts a program with DISPLAY set, standard output and error going to a file.
pid_t StartProgram(const std::vector<std::string>& argv, const std::string& display,
                   const std::string& outputFile);
// The exit code, or -1 if it did not exit (then it is killed) within the seconds given.
int WaitForExit(pid_t pid, int seconds);
// True once the program has ended, with its exit code (-1 for a signal); never waits.
bool HasExited(pid_t pid, int& code);
// Polls the condition every 50 ms until it holds (true) or the seconds are over (false).
// Tests wait this way, with generous limits, so a loaded machine only makes them slower.
bool WaitUntil(const std::function<bool()>& condition, double seconds);
// The id of the first window whose name matches the pattern, polled for up to the
// seconds given, or until `giveUp` holds; "" when none appeared.
std::string FindWindow(const std::string& display, const std::string& namePattern,
                       double seconds = 60, const std::function<bool()>& giveUp = {});

// A window's pixels, RGB, rows from the top; empty when the window cannot be read.
struct WindowPixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
  const uint8_t* At(int x, int y) const { return &rgb[size_t(y * width + x) * 3]; }
  bool operator==(const WindowPixels&) const = default;
};
WindowPixels CaptureWindow(const std::string& display, const std::string& window);
// The window's icon as the desktop reads it (_NET_WM_ICON): width, height, then one
// ARGB value a pixel; empty when it has none.
std::vector<unsigned long> WindowIcon(const std::string& display, const std::string& window);
// Runs xdotool with the arguments and returns its standard output, trimmed.
std::string XDoTool(const std::string& display, const std::string& arguments);
// Asks a window to close as its close button does (WM_DELETE_WINDOW).
bool SendCloseRequest(const std::string& display, unsigned long window);

}  // namespace zentoir::testing

#include "os/MessageBox.h"

#include <SDL2/SDL.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "os/DriverAllocations.h"

namespace zentoir::os {
namespace {

// The one warning box of the process: the thread that waits for it, and that thread's
// id, under which the box's own process (SDL starts one) is listed as a child.
struct WarningBox {
  std::thread thread;
  std::atomic<pid_t> threadId{0};
  std::atomic<bool> closed{false};
};

WarningBox& Box() {
  static auto* box = new WarningBox();  // outlives static destruction, for atexit
  return *box;
}

// Ends every process the box's thread has started.
void EndProcessesOfThread(pid_t threadId) {
  if (threadId == 0) return;
  std::ifstream children("/proc/self/task/" + std::to_string(threadId) + "/children");
  for (pid_t child; children >> child;) {
    if (child > 0) kill(child, SIGKILL);  // a box whose display is gone ignores SIGTERM
  }
}

}  // namespace

bool CanShowMessageBox() {
  const char* optOut = std::getenv("ZENTOIR_NO_MESSAGE_BOX");
  if (optOut && *optOut) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) driver = std::getenv("SDL_VIDEODRIVER");
  if (!driver) return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

void ShowWarningBox(const char* caption, const char* text) {
  if (!CanShowMessageBox()) {
    std::fprintf(stderr, "%s\n%s\n", caption, text);
    return;
  }
  WarningBox& box = Box();
  if (box.thread.joinable()) return;  // one box at a time
  box.thread = std::thread([&box, title = std::string(caption), body = std::string(text)] {
    box.threadId = gettid();
    // A box ended by killing its process at shutdown leaves SDL's own buffers behind.
    DriverAllocationScope sdlBuffers;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), body.c_str(), nullptr);
    box.closed = true;
  });
  static const bool closedAtExit = std::atexit(CloseWarningBox) == 0;
  (void)closedAtExit;
}

void CloseWarningBox() {
  WarningBox& box = Box();
  if (!box.thread.joinable()) return;
  // The box's process may not be started yet when the program ends right away: keep
  // ending what the thread started until the thread has returned, for a second at most.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!box.closed && std::chrono::steady_clock::now() < deadline) {
    EndProcessesOfThread(box.threadId);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (box.closed) {
    box.thread.join();
  } else {
    box.thread.detach();  // a box drawn by the thread itself ends with the process
  }
}

}  // namespace zentoir::os

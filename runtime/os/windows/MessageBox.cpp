#include "os/MessageBox.h"

#include "os/windows/SystemHeaders.h"

#include <SDL2/SDL.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>

namespace zentoir::os {
namespace {

// The one warning box of the process: the thread that shows it, and that thread's id,
// under which the box's window is listed.
struct WarningBox {
  std::thread thread;
  std::atomic<DWORD> threadId{0};
  std::atomic<bool> cancelled{false};
  std::atomic<bool> closed{false};
};

WarningBox& Box() {
  static auto* box = new WarningBox();  // outlives static destruction, for atexit
  return *box;
}

bool EnvironmentSet(const char* name) {
  char value[2];
  return GetEnvironmentVariableA(name, value, sizeof value) > 0;
}

// Where the process's window station is not visible (a service), a box would wait
// unseen for ever.
bool OnVisibleDesktop() {
  USEROBJECTFLAGS flags{};
  const HWINSTA station = GetProcessWindowStation();
  if (!station || !GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, nullptr))
    return true;
  return (flags.dwFlags & WSF_VISIBLE) != 0;
}

std::wstring Utf16(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

// The dialog window of a box (the box's thread has an input-method window as well).
bool IsBoxWindow(HWND window) {
  char name[16];
  return GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0;
}

// Asks the box window of the thread to close, once: `asked` holds the last one asked.
BOOL CALLBACK AskBoxToClose(HWND window, LPARAM asked) {
  HWND& last = *reinterpret_cast<HWND*>(asked);
  if (window != last && IsBoxWindow(window)) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    last = window;
  }
  return TRUE;
}

void ShowBox(WarningBox& box, const std::wstring& caption, const std::wstring& text) {
  box.threadId = GetCurrentThreadId();
  if (!box.cancelled)
    MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_ICONWARNING | MB_OK | MB_TOPMOST);
  box.closed = true;
}

}  // namespace

bool CanShowMessageBox() {
  if (EnvironmentSet("ZENTOIR_NO_MESSAGE_BOX")) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) driver = SDL_getenv("SDL_VIDEODRIVER");
  if (!driver) return OnVisibleDesktop();
  return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

void ShowWarningBox(const char* caption, const char* text) {
  if (!caption) caption = "";
  if (!text) text = "";
  if (!CanShowMessageBox()) {
    std::fprintf(stderr, "%s\n%s\n", caption, text);
    return;
  }
  WarningBox& box = Box();
  if (box.thread.joinable() && box.closed) box.thread.join();  // answered already
  if (box.thread.joinable()) return;                           // one box at a time
  box.cancelled = false;
  box.closed = false;
  box.threadId = 0;
  try {
    box.thread = std::thread(ShowBox, std::ref(box), Utf16(caption), Utf16(text));
  } catch (const std::system_error&) {  // no thread to be had
    std::fprintf(stderr, "%s\n%s\n", caption, text);
    return;
  }
  static const bool closedAtExit = std::atexit(CloseWarningBox) == 0;
  (void)closedAtExit;
}

void CloseWarningBox() {
  WarningBox& box = Box();
  if (!box.thread.joinable()) return;
  box.cancelled = true;
  // The box's window may not be made yet when the program ends right away: keep looking
  // for it until the thread has returned. A box takes the request at once (under Wine on
  // an X server without a window manager, about two seconds later).
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  HWND asked = nullptr;
  while (!box.closed && std::chrono::steady_clock::now() < deadline) {
    if (const DWORD id = box.threadId)
      EnumThreadWindows(id, AskBoxToClose, reinterpret_cast<LPARAM>(&asked));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (box.closed) {
    box.thread.join();
  } else {
    box.thread.detach();  // the box is left to end with the process
  }
}

}  // namespace zentoir::os

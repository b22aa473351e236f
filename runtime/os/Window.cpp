#include "os/Window.h"

#include <SDL2/SDL.h>

#include "os/DriverAllocations.h"
#include "os/WindowClass.h"

namespace zentoir::os {
namespace {

constexpr int kFallbackBitsPerPixel = 24;

int videoState = 0;        // 0 not tried, 1 running, -1 failed
std::string startFailure;  // why video did not start; later calls overwrite SDL's error

// A display server that is still starting (or busy) may refuse the first connection.
constexpr int kVideoStartAttempts = 3;
constexpr Uint32 kVideoStartPauseMs = 200;

bool StartVideo() {
  for (int attempt = 1; attempt <= kVideoStartAttempts; ++attempt) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    startFailure = SDL_GetError();
    if (attempt < kVideoStartAttempts) SDL_Delay(kVideoStartPauseMs);
  }
  return false;
}

// The display mode with exactly this size; the wanted depth first, else any depth.
bool FindExactMode(int display, int width, int height, int bitsPerPixel, SDL_DisplayMode& found) {
  bool haveAnyDepth = false;
  const int count = SDL_GetNumDisplayModes(display);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(display, i, &mode) != 0) continue;
    if (mode.w != width || mode.h != height) continue;
    if (bitsPerPixel == 0 || static_cast<int>(SDL_BITSPERPIXEL(mode.format)) == bitsPerPixel) {
      found = mode;
      return true;
    }
    if (!haveAnyDepth) found = mode;
    haveAnyDepth = true;
  }
  return haveAnyDepth;
}

}  // namespace

bool InitVideo() {
  DriverAllocationScope driver;
  if (videoState == 0) PrepareWindowClass();
  if (videoState == 0) videoState = StartVideo() ? 1 : -1;
  return videoState == 1;
}

void QuitVideo() {
  if (videoState == 1) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  videoState = 0;
}

std::string VideoDriverName() {
  const char* name = SDL_GetCurrentVideoDriver();
  return name ? name : "";
}

std::string LastVideoError() {
  if (videoState == -1) return startFailure;
  const char* reason = SDL_GetError();
  return reason ? reason : "";
}

int DesktopBitsPerPixel() {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return kFallbackBitsPerPixel;
  const int bits = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
  return bits > 0 ? bits : kFallbackBitsPerPixel;
}

void DesktopSize(int& width, int& height) {
  SDL_DisplayMode mode;
  width = height = 0;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return;
  width = mode.w;
  height = mode.h;
}

int RefreshRate(WindowHandle window) {
  const int display = window ? SDL_GetWindowDisplayIndex(window) : -1;
  SDL_DisplayMode mode;
  if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
  return mode.refresh_rate;
}

WindowHandle CreateGLWindow(const char* title, int width, int height) {
  DriverAllocationScope driver;
  return SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED_DISPLAY(0),
                          SDL_WINDOWPOS_CENTERED_DISPLAY(0), width, height,
                          SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
}

void DestroyWindow(WindowHandle window) {
  if (window) SDL_DestroyWindow(window);
}

void SetWindowTitle(WindowHandle window, const char* title) {
  if (window) SDL_SetWindowTitle(window, title);
}

bool SetWindowIcon(WindowHandle window, const uint8_t* rgba, int width, int height) {
  if (!window) return false;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba), width, height,
                                                         32, width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!icon) return false;
  SDL_SetWindowIcon(window, icon);  // SDL keeps its own copy
  SDL_FreeSurface(icon);
  return true;
}

std::string WindowTitle(WindowHandle window) {
  return window ? SDL_GetWindowTitle(window) : "";
}

unsigned WindowId(WindowHandle window) {
  return window ? SDL_GetWindowID(window) : 0;
}

void ShowWindow(WindowHandle window) {
  if (window) SDL_ShowWindow(window);
}

void HideWindow(WindowHandle window) {
  if (window) SDL_HideWindow(window);
}

bool IsWindowShown(WindowHandle window) {
  return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
}

void RaiseWindow(WindowHandle window) {
  if (window) SDL_RaiseWindow(window);
}

void FlashWindow(WindowHandle window) {
  if (window) SDL_FlashWindow(window, SDL_FLASH_BRIEFLY);
}

void SetWindowClientSize(WindowHandle window, int width, int height) {
  if (window) SDL_SetWindowSize(window, width, height);
}

void WindowPosition(WindowHandle window, int& x, int& y) {
  x = y = 0;
  if (window) SDL_GetWindowPosition(window, &x, &y);
}

void SetWindowPosition(WindowHandle window, int x, int y) {
  if (window) SDL_SetWindowPosition(window, x, y);
}

void CentreWindow(WindowHandle window) {
  SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(0), SDL_WINDOWPOS_CENTERED_DISPLAY(0));
}

bool EnterFullScreenMode(WindowHandle window, int width, int height, int bitsPerPixel) {
  if (!window) return false;
  const int display = SDL_GetWindowDisplayIndex(window);
  SDL_DisplayMode mode;
  if (!FindExactMode(display < 0 ? 0 : display, width, height, bitsPerPixel, mode)) return false;
  if (SDL_SetWindowDisplayMode(window, &mode) != 0) return false;
  SDL_SetWindowSize(window, width, height);
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0;
}

void LeaveFullScreenMode(WindowHandle window) {
  if (!window) return;
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowBordered(window, SDL_TRUE);
}

void KeepScreenSaverOff() {
  SDL_DisableScreenSaver();
}

}  // namespace zentoir::os

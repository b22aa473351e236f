// The main window over SDL2: creation, title, visibility, placement and display modes.
#pragma once

#include <cstdint>
#include <string>

struct SDL_Window;

namespace zentoir::os {

using WindowHandle = SDL_Window*;

// Starts the video subsystem once per process, trying again twice over 0.4 s when the
// display refuses (later calls return the first result).
bool InitVideo();
// Stops the video subsystem; a later InitVideo starts it again.
void QuitVideo();
// Name of the active video driver ("" before InitVideo).
std::string VideoDriverName();
// Why the last video call failed, in the driver's words ("" when it gave none); after a
// failed start, why video did not start.
std::string LastVideoError();

// Bits per pixel and size of the primary display's desktop mode (24 and 0 × 0 when the
// driver reports none).
int DesktopBitsPerPixel();
void DesktopSize(int& width, int& height);
// Refreshes per second of the display the window is on; 0 when the display does not say.
int RefreshRate(WindowHandle window);

// A hidden OpenGL-capable window with the given client size, centred on the primary
// display. The GL attributes (GLContext.h) must be set before. Null on failure.
WindowHandle CreateGLWindow(const char* title, int width, int height);
void DestroyWindow(WindowHandle window);

void SetWindowTitle(WindowHandle window, const char* title);
// The window's icon from top-down RGBA pixels. False when it cannot be set.
bool SetWindowIcon(WindowHandle window, const uint8_t* rgba, int width, int height);
std::string WindowTitle(WindowHandle window);
unsigned WindowId(WindowHandle window);

void ShowWindow(WindowHandle window);
void HideWindow(WindowHandle window);
// Whether the window is shown (not hidden; a minimised window counts as shown).
bool IsWindowShown(WindowHandle window);
// Brings the window to the top and asks for the keyboard focus.
void RaiseWindow(WindowHandle window);
// A visible notice that something did not work (the window flashes briefly).
void FlashWindow(WindowHandle window);

// Client size and position of a window (not full screen).
void SetWindowClientSize(WindowHandle window, int width, int height);
void WindowPosition(WindowHandle window, int& x, int& y);
void SetWindowPosition(WindowHandle window, int x, int y);
void CentreWindow(WindowHandle window);

// Switches the display to an exact width × height mode and makes the window cover it.
// The bit depth is asked for when it is non-zero; a mode at another depth is accepted.
// False, with the display unchanged, when no such mode exists or the switch fails.
bool EnterFullScreenMode(WindowHandle window, int width, int height, int bitsPerPixel);
// Restores the desktop mode and a normal captioned window.
void LeaveFullScreenMode(WindowHandle window);

// Keeps the screen saver and display power-saving off while the program runs.
void KeepScreenSaverOff();

}  // namespace zentoir::os

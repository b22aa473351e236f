// What a scaled picture needs of the main window over SDL2: resizing by the user, the
// window's size in pointer and in drawable pixels, full screen at the desktop's size.
#pragma once

#include "os/Window.h"

namespace zentoir::os {

// While resizable, the client area is kept at least minWidth × minHeight.
void SetWindowResizable(WindowHandle window, bool resizable, int minWidth, int minHeight);
// The client size in the units of pointer positions.
void WindowClientSize(WindowHandle window, int& width, int& height);
// The client size in pixels of the GL drawable (larger on high-density displays).
void DrawableSize(WindowHandle window, int& width, int& height);
// The size the window system itself gives the window where SDL's answer can be wrong
// (a full-screen X window without a window manager, whose request is never carried
// out); false where SDL is right, and on systems that need no such check.
bool WindowSystemSize(WindowHandle window, int& width, int& height);
// Full screen at the desktop's own mode (no display-mode change); false if it failed.
bool EnterDesktopFullScreen(WindowHandle window);

}  // namespace zentoir::os

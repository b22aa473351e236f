// The OpenGL context of a window over SDL2: attributes, context, buffer swap, entry points.
#pragma once

#include "os/Window.h"

namespace zentoir::os {

using GLContextHandle = void*;

// Asks for an RGBA double-buffered format with 24-bit depth and 8-bit stencil, a legacy
// (compatibility) context (OpenGL ES 2.0 in a web page) and, for samples > 0, a
// multisample buffer with that many samples. Applies to windows and contexts created
// afterwards.
void SetGLAttributes(int colourBits, int samples);

// Null on failure.
GLContextHandle CreateGLContext(WindowHandle window);
void DeleteGLContext(GLContextHandle context);
bool MakeCurrent(WindowHandle window, GLContextHandle context);
void ClearCurrent();

// Whether the current context is OpenGL ES (or WebGL), which has no fixed-function
// pipeline and fewer pixel formats.
bool CurrentContextIsEmbedded();

// Samples per pixel of the current context's format (0 = no multisample buffer).
int CurrentSampleCount();

// Presents the back buffer, then gives way to the system (Clock.h).
void SwapWindow(WindowHandle window);
// True where the driver's swap does not flush the GL work (the offscreen driver renders
// into a surface that is never presented): the caller flushes first, or the queued work
// and the memory behind it grow without end.
bool SwapNeedsFlush();
// 1: presenting waits for the display's vertical refresh; 0: it does not.
// False when the driver cannot do what was asked.
bool SetSwapInterval(int interval);

// An OpenGL entry point by name (null when the driver does not have it).
void* GLProcAddress(const char* name);

}  // namespace zentoir::os

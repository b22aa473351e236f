#include "os/GLContext.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_opengl.h>

#include <cstring>

#include "os/Clock.h"
#include "os/DriverAllocations.h"

namespace zentoir::os {

bool SwapNeedsFlush() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && std::strcmp(driver, "offscreen") == 0;
}

void SetGLAttributes(int colourBits, int samples) {
  const int channelBits = colourBits >= 24 ? 8 : 5;
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channelBits);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channelBits);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channelBits);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
#ifdef __EMSCRIPTEN__
  // A page's context is WebGL 1, which is OpenGL ES 2.0.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
#else
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
#endif
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, samples > 0 ? 1 : 0);
  SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, samples > 0 ? samples : 0);
}

GLContextHandle CreateGLContext(WindowHandle window) {
  DriverAllocationScope driver;
  return window ? SDL_GL_CreateContext(window) : nullptr;
}

void DeleteGLContext(GLContextHandle context) {
  if (context) SDL_GL_DeleteContext(context);
}

bool MakeCurrent(WindowHandle window, GLContextHandle context) {
  DriverAllocationScope driver;
  return window && context && SDL_GL_MakeCurrent(window, context) == 0;
}

void ClearCurrent() {
  if (SDL_GL_GetCurrentContext()) SDL_GL_MakeCurrent(nullptr, nullptr);
}

int CurrentSampleCount() {
  int buffers = 0;
  int samples = 0;
  if (SDL_GL_GetAttribute(SDL_GL_MULTISAMPLEBUFFERS, &buffers) != 0 || buffers == 0) return 0;
  if (SDL_GL_GetAttribute(SDL_GL_MULTISAMPLESAMPLES, &samples) != 0) return 0;
  return samples > 0 ? samples : 0;
}

// "OpenGL ES major.minor ..." on ES and WebGL, "major.minor ..." on the desktop. Asked
// every frame, so the answer is kept for the context it was read from.
bool CurrentContextIsEmbedded() {
  static SDL_GLContext askedOf = nullptr;
  static bool embedded = false;
  const SDL_GLContext current = SDL_GL_GetCurrentContext();
  if (current != askedOf) {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    embedded = version && std::strncmp(version, "OpenGL ES", 9) == 0;
    askedOf = current;
  }
  return embedded;
}

void SwapWindow(WindowHandle window) {
  if (!window) return;
  SDL_GL_SwapWindow(window);
  GiveWayToSystem();
}

bool SetSwapInterval(int interval) {
  return SDL_GL_SetSwapInterval(interval) == 0;
}

void* GLProcAddress(const char* name) {
  return SDL_GL_GetProcAddress(name);
}

}  // namespace zentoir::os

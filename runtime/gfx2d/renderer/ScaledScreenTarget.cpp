// The scaled screen's framebuffer, its presentation in the window and the pointer mapping.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>

#include "base/WindowMapping.h"
#include "gfx2d/gl/Framebuffers.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/TextureNames.h"
#include "os/WindowScaling.h"

namespace zentoir {

namespace {

void DeleteTarget(ScaledTarget& t) {
  if (t.framebuffer != 0) GLExtensions().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
  DeleteFramebuffer(t.framebuffer, t.depthStencil);
  DeleteTextureName(t.texture);
  t.width = t.height = 0;
}

void DrawPicture(uint32_t texture, const WindowMapping& m, int drawableWidth, int drawableHeight) {
  glViewport(0, 0, drawableWidth, drawableHeight);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, drawableWidth, drawableHeight, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  for (GLenum capability : {GL_BLEND, GL_ALPHA_TEST, GL_CULL_FACE, GL_DEPTH_TEST})
    glDisable(capability);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  const GLint filter = m.scale == 1 ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glColor4f(1, 1, 1, 1);
  const float x0 = float(m.offsetX), y0 = float(m.offsetY);
  const float x1 = x0 + float(m.width), y1 = y0 + float(m.height);
  glBegin(GL_QUADS);  // the texture's first row is the screen's bottom row
  glTexCoord2f(0, 1);
  glVertex2f(x0, y0);
  glTexCoord2f(0, 0);
  glVertex2f(x0, y1);
  glTexCoord2f(1, 0);
  glVertex2f(x1, y1);
  glTexCoord2f(1, 1);
  glVertex2f(x1, y0);
  glEnd();
}

}  // namespace

// A framebuffer of the screen's size whose colour keeps alpha exactly when the window's
// buffer does, so captures behave as they do without scaling. Left bound.
bool OpenGLRadazuri::CreateScaledTarget() {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
  GLint windowAlphaBits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &windowAlphaBits);
  const int32_t w = width, h = height;
  ScaledTarget& t = scaled;
  NewTextureName(*this, &t.texture, false);
  glTexImage2D(GL_TEXTURE_2D, 0, windowAlphaBits > 0 ? GL_RGBA8 : GL_RGB8, w, h, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  // Depth and stencil as the window's buffer has them; depth alone if the GL cannot.
  const bool complete =
      MakeFramebuffer(t.texture, w, h, {GL_DEPTH24_STENCIL8_EXT, GL_DEPTH_COMPONENT24},
                      t.framebuffer, t.depthStencil);
  BindSprite(currentSprite);
  if (!complete) {
    DeleteTarget(t);
    return false;
  }
  t.width = w;
  t.height = h;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  return true;
}

bool OpenGLRadazuri::FitScaledTarget() {
  if (scaled.framebuffer != 0 && scaled.width == width && scaled.height == height) return true;
  DeleteTarget(scaled);
  return width > 0 && height > 0 && CreateScaledTarget();
}

// Without a GL context only the flag and the pointer mapping are reset.
void OpenGLRadazuri::TurnOffScaledScreen() {
  const bool wasOn = scaled.on;
  scaled.on = false;
  if (GLReady()) DeleteTarget(scaled);
  ResetWindowMapping();
  if (!GLReady() || !wasOn) return;
  LetUserResize(false);
  if (!fullScreenActive) os::SetWindowClientSize(window, width, height);
  ResetDrawingState(0, 0, 0, 0);
}

void OpenGLRadazuri::LetUserResize(bool on) {
  int desktopWidth = 0, desktopHeight = 0;
  os::DesktopSize(desktopWidth, desktopHeight);
  const int minWidth = desktopWidth > 0 ? std::min(width, desktopWidth) : width;
  const int minHeight = desktopHeight > 0 ? std::min(height, desktopHeight) : height;
  os::SetWindowResizable(window, on, minWidth, minHeight);
}

// In the window's pointer units.
void OpenGLRadazuri::UpdateWindowMapping() const {
  int w = 0, h = 0;
  os::WindowClientSize(window, w, h);
  WindowMapping& current = CurrentWindowMapping();
  const WindowMapping fresh = LetterboxFor(w, h, width, height);
  if (fresh.scale != current.scale || fresh.offsetX != current.offsetX ||
      fresh.offsetY != current.offsetY) {
    current = fresh;
  }
}

void OpenGLRadazuri::FitScaledScreen() {
  if (!GLReady() || !scaled.on) return;
  if (!FitScaledTarget()) return TurnOffScaledScreen();
  LetUserResize(true);
  UpdateWindowMapping();
  ResetDrawingState(0, 0, 0, 0);
}

bool OpenGLRadazuri::SetScaledScreen(bool on) {
  if (!on || !GLReady() || !HasFramebufferObjects()) {
    TurnOffScaledScreen();
    return false;
  }
  if (scaled.on) return true;
  if (activeScreen >= 0) UseScreen(-1);
  if (!FitScaledTarget()) {
    TurnOffScaledScreen();
    return false;
  }
  scaled.on = true;
  LetUserResize(true);
  UpdateWindowMapping();
  ResetDrawingState(0, 0, 0, 0);
  return true;
}

void OpenGLRadazuri::PresentScaledScreen() {
  if (!GLReady() || !scaled.on) return;
  const GLExtensionFunctions& gl = GLExtensions();
  if (scaled.width == width && scaled.height == height) {
    UpdateWindowMapping();
    int w = 0, h = 0;
    os::DrawableSize(window, w, h);
    const WindowMapping picture = LetterboxFor(w, h, width, height);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    DrawPicture(scaled.texture, picture, w, h);
  }
  if (!FitScaledTarget()) return TurnOffScaledScreen();  // the screen size changed
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, scaled.framebuffer);
  ResetDrawingState(0, 0, 0, 0);
}

// The textures go (shutdown, or the window destroyed): the window is not touched.
void OpenGLRadazuri::ReleaseScaledScreen() {
  scaled.on = false;
  if (GLReady()) DeleteTarget(scaled);
  ResetWindowMapping();
}

}  // namespace zentoir

// The scaled screen's framebuffer, its presentation in the window and the pointer mapping.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>

#include "base/WindowMapping.h"
#include "gfx2d/gl/TargetClears.h"
#include "gfx2d/gl/Framebuffers.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/gl/PictureQuads.h"
#include "gfx2d/gl/PixelReads.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"
#include "gfx2d/renderer/TextureNames.h"
#include "os/WindowScaling.h"

namespace zentoir {

namespace {

void DeleteTarget(ScaledTarget& t) {
  if (t.framebuffer != 0) BindFramebuffer(0);
  DeleteFramebuffer(t.framebuffer, t.depthStencil);
  DeleteTextureName(t.texture);
  t.width = t.height = 0;
}

}  // namespace

// A framebuffer of the screen's size whose colour keeps alpha exactly when the window's
// buffer does, so captures behave as they do without scaling. Left bound.
bool OpenGLRadazuri::CreateScaledTarget() {
  BindFramebuffer(0);
  const int32_t windowAlphaBits = TargetAlphaBits();
  const int32_t w = width, h = height;
  ScaledTarget& t = scaled;
  NewTextureName(*this, &t.texture, false);
  UploadBgra(w, h, nullptr, windowAlphaBits > 0);
  ClampBoundAtEdges();
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
  ClearColourAndDepth();
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
  if (!fullScreenActive) os::SetWindowClientSize(Window(), width, height);
  ResetDrawingState(0, 0, 0, 0);
}

void OpenGLRadazuri::LetUserResize(bool on) {
  int desktopWidth = 0, desktopHeight = 0;
  os::DesktopSize(desktopWidth, desktopHeight);
  const int minWidth = desktopWidth > 0 ? std::min(width, desktopWidth) : width;
  const int minHeight = desktopHeight > 0 ? std::min(height, desktopHeight) : height;
  os::SetWindowResizable(Window(), on, minWidth, minHeight);
}

// In the window's pointer units.
void OpenGLRadazuri::UpdateWindowMapping() const {
  int w = 0, h = 0;
  os::WindowClientSize(Window(), w, h);
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
  if (scaled.width == width && scaled.height == height) {
    UpdateWindowMapping();
    DirectGL direct(glState);
    int w = 0, h = 0;
    os::DrawableSize(Window(), w, h);
    const WindowMapping picture = LetterboxFor(w, h, width, height);
    BindFramebuffer(0);
    const PictureRect rect{picture.offsetX, picture.offsetY, picture.width, picture.height,
                           picture.scale == 1};
    DrawScaledPicture(drawBackends.Current(), scaled.texture, rect, w, h);
  }
  if (!FitScaledTarget()) return TurnOffScaledScreen();  // the screen size changed
  BindFramebuffer(scaled.framebuffer);
  ResetDrawingState(0, 0, 0, 0);
}

// The textures go (shutdown, or the window destroyed): the window is not touched.
void OpenGLRadazuri::ReleaseScaledScreen() {
  scaled.on = false;
  if (GLReady()) DeleteTarget(scaled);
  ResetWindowMapping();
}

}  // namespace zentoir

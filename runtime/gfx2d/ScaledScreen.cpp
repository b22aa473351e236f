#include "gfx2d/ScaledScreen.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "base/Hooks.h"
#include "base/WindowMapping.h"
#include "gfx2d/GLExtensions.h"
#include "gfx2d/Renderer.h"
#include "gfx2d/TextureNames.h"
#include "os/WindowScaling.h"

namespace zentoir {
namespace {

struct ScaledTarget {
  bool on = false;
  uint32_t framebuffer = 0;
  uint32_t texture = 0;
  uint32_t depthStencil = 0;
  int32_t width = 0;
  int32_t height = 0;
};

ScaledTarget& Target() {
  static ScaledTarget target;
  return target;
}

bool HasFramebufferObjects() {
  const GLExtensionFunctions& gl = GLExtensions();
  return gl.glBindFramebufferEXT && gl.glDeleteFramebuffersEXT && gl.glGenFramebuffersEXT &&
         gl.glCheckFramebufferStatusEXT && gl.glFramebufferTexture2DEXT &&
         gl.glGenRenderbuffersEXT && gl.glBindRenderbufferEXT && gl.glRenderbufferStorageEXT &&
         gl.glFramebufferRenderbufferEXT && gl.glDeleteRenderbuffersEXT;
}

void DeleteTarget(ScaledTarget& t) {
  const GLExtensionFunctions& gl = GLExtensions();
  if (t.framebuffer != 0) {
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    const GLuint name = t.framebuffer;
    gl.glDeleteFramebuffersEXT(1, &name);
  }
  if (t.depthStencil != 0) {
    const GLuint name = t.depthStencil;
    gl.glDeleteRenderbuffersEXT(1, &name);
  }
  DeleteTextureName(t.texture);
  t.framebuffer = t.depthStencil = 0;
  t.width = t.height = 0;
}

// Depth and stencil as the window's buffer has them; depth alone if the GL cannot.
bool AttachDepth(ScaledTarget& t, int32_t w, int32_t h) {
  const GLExtensionFunctions& gl = GLExtensions();
  GLuint depth = 0;
  gl.glGenRenderbuffersEXT(1, &depth);
  t.depthStencil = depth;
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, depth);
  for (GLenum format : {GLenum(GL_DEPTH24_STENCIL8_EXT), GLenum(GL_DEPTH_COMPONENT24)}) {
    gl.glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, format, w, h);
    gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT,
                                    GL_RENDERBUFFER_EXT, depth);
    gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_STENCIL_ATTACHMENT_EXT,
                                    GL_RENDERBUFFER_EXT,
                                    format == GL_DEPTH24_STENCIL8_EXT ? depth : 0);
    if (gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT)
      return true;
  }
  return false;
}

// A framebuffer of the screen's size whose colour keeps alpha exactly when the window's
// buffer does, so captures behave as they do without scaling. Left bound.
bool CreateTarget(OpenGLRadazuri& r, ScaledTarget& t) {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
  GLint alphaBits = 0;
  glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
  const int32_t w = r.width, h = r.height;
  NewTextureName(r, &t.texture, false);
  glTexImage2D(GL_TEXTURE_2D, 0, alphaBits > 0 ? GL_RGBA8 : GL_RGB8, w, h, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  GLuint framebuffer = 0;
  gl.glGenFramebuffersEXT(1, &framebuffer);
  t.framebuffer = framebuffer;
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
  gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D,
                               t.texture, 0);
  const bool complete = AttachDepth(t, w, h);
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
  r.BindSprite(r.currentSprite);
  if (!complete) {
    DeleteTarget(t);
    return false;
  }
  t.width = w;
  t.height = h;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  return true;
}

// The framebuffer follows the screen size; false when it cannot be made.
bool FitTarget(OpenGLRadazuri& r) {
  ScaledTarget& t = Target();
  if (t.framebuffer != 0 && t.width == r.width && t.height == r.height) return true;
  DeleteTarget(t);
  return r.width > 0 && r.height > 0 && CreateTarget(r, t);
}

void TurnOff(OpenGLRadazuri* r) {
  ScaledTarget& t = Target();
  const bool wasOn = t.on;
  t.on = false;
  if (r && r->GLReady()) DeleteTarget(t);
  ResetWindowMapping();
  if (!r || !wasOn) return;
  os::SetWindowResizable(r->window, false);
  if (!r->fullScreenActive) os::SetWindowClientSize(r->window, r->width, r->height);
  if (r->GLReady()) r->ResetDrawingState(0, 0, 0, 0);
}

void DrawPicture(const WindowMapping& m, int drawableWidth, int drawableHeight) {
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
  glBindTexture(GL_TEXTURE_2D, Target().texture);
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

// The mapping of pointer positions, in the window's pointer units.
void UpdateMapping(const OpenGLRadazuri& r) {
  int w = 0, h = 0;
  os::WindowClientSize(r.window, w, h);
  WindowMapping& current = CurrentWindowMapping();
  const WindowMapping fresh = LetterboxFor(w, h, r.width, r.height);
  if (fresh.scale != current.scale || fresh.offsetX != current.offsetX ||
      fresh.offsetY != current.offsetY) {
    current = fresh;
  }
}

void FitAfterModeChange() {
  OpenGLRadazuri* r = ActiveRenderer();
  if (!r || !Target().on) return;
  if (!FitTarget(*r)) return TurnOff(r);
  os::SetWindowResizable(r->window, true);
  UpdateMapping(*r);
  r->ResetDrawingState(0, 0, 0, 0);
}

// The textures go (shutdown, or the window destroyed): the window is not touched.
}  // namespace

double SetScaledScreen(double flag) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (flag == 0 || !r || !HasFramebufferObjects()) {
    TurnOff(r);
    return 0;
  }
  if (Target().on) return 1;
  if (r->activeScreen >= 0) r->UseScreen(-1);
  if (!FitTarget(*r)) {
    TurnOff(r);
    return 0;
  }
  Target().on = true;
  os::SetWindowResizable(r->window, true);
  UpdateMapping(*r);
  r->ResetDrawingState(0, 0, 0, 0);
  return 1;
}

double IsScaledScreen() {
  return Target().on ? 1 : 0;
}

uint32_t BackBufferFramebuffer() {
  return Target().on ? Target().framebuffer : 0;
}

void PresentScaledScreen() {
  OpenGLRadazuri* r = ActiveRenderer();
  ScaledTarget& t = Target();
  if (!r || !t.on) return;
  const GLExtensionFunctions& gl = GLExtensions();
  if (t.width == r->width && t.height == r->height) {
    UpdateMapping(*r);
    int w = 0, h = 0;
    os::DrawableSize(r->window, w, h);
    const WindowMapping picture = LetterboxFor(w, h, r->width, r->height);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    DrawPicture(picture, w, h);
  }
  if (!FitTarget(*r)) return TurnOff(r);  // the screen size changed: drawing follows it
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, t.framebuffer);
  r->ResetDrawingState(0, 0, 0, 0);
}

void ReleaseScaledScreen() {
  ScaledTarget& t = Target();
  t.on = false;
  OpenGLRadazuri* r = Runtime().renderer;
  if (r && r->GLReady()) DeleteTarget(t);
  ResetWindowMapping();
}

void RegisterScaledScreenHooks() {
  AddRuntimeHook(RuntimeHook::WindowChanged, FitAfterModeChange);
}

}  // namespace zentoir

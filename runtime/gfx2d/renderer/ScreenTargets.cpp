// The offscreen screens: a sprite drawn into through a framebuffer object, or, where
// the GL has none, emulated by copying the sprite in and the drawing back out.
#include <GL/gl.h>
#include <GL/glext.h>

#include "gfx2d/gl/TargetClears.h"
#include "gfx2d/gl/Framebuffers.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/image/ImageBuffer.h"
#include "gfx2d/image/TexturePixels.h"
#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {
namespace {

void DeleteScreenFramebuffer(OffscreenScreen& screen) {
  DeleteFramebuffer(screen.framebuffer, screen.depthBuffer);
  screen.width = screen.height = 0;
}

void BindBackBuffer(const OpenGLRadazuri& r) {
  BindFramebuffer(r.BackBufferFramebuffer(), 0);
}

// A framebuffer with the sprite's texture and a depth buffer of T × U; the screen stays
// emulated (width and height 0) when the GL cannot make a complete one.
void MakeScreenFramebuffer(OffscreenScreen& screen, uint32_t texture, int32_t T, int32_t U) {
  const uint32_t previous = BoundFramebuffer();
  const bool complete = MakeFramebuffer(texture, T, U, {GL_DEPTH_COMPONENT24}, screen.framebuffer,
                                        screen.depthBuffer);
  BindFramebuffer(previous);
  if (!complete) {
    DeleteScreenFramebuffer(screen);
    return;
  }
  screen.width = T;
  screen.height = U;
}

// Copies drawn pixels as they are: no blending, opaque white.
template <typename Copy>
void CopyWithoutBlending(GLStateCache& state, Copy&& copy) {
  const BlendMode mode = state.RequestedBlendMode();
  state.SetBlendMode(BlendMode::Off);
  state.SetColour(1, 1, 1, 1);
  copy();
  state.SetBlendMode(mode);
}

// The emulated screens' copies, with the renderer's own drawing.
void FillTarget(OpenGLRadazuri& r, int32_t w, int32_t h, uint32_t colour) {
  const float fw = float(w), fh = float(h);
  const float quad[8] = {0, fh, fw, fh, fw, 0, 0, 0};
  r.DrawColoured(GL_QUADS, quad, 4, colour);
}

void DrawAtOrigin(OpenGLRadazuri& r, int32_t n) {
  r.PrepareSprite(n);
  r.AddSpriteQuad(PlainSpriteQuad(r.Extent(n), 0, 0));
}

}  // namespace

void OpenGLRadazuri::LeaveScreen(int32_t a) {
  const OffscreenScreen& screen = screens[size_t(a)];
  if (screen.width != 0) {
    BindBackBuffer(*this);
    return;
  }
  const SpriteRecord& sprite = spriteTable[screen.sprite];
  CopyWithoutBlending(glState, [&] {
    CaptureSprite(screen.sprite, 0, 0, sprite.width, sprite.height);
    FillTarget(*this, sprite.textureWidth, sprite.textureHeight, 0);
    DrawAtOrigin(*this, kScratchSprite);
  });
}

void OpenGLRadazuri::EnterScreen(int32_t s) {
  const OffscreenScreen& screen = screens[size_t(s)];
  const SpriteRecord& sprite = spriteTable[screen.sprite];
  const int32_t w = sprite.width, h = sprite.height;
  if (w < 1 || h < 1) return;  // never created, or its sprite freed since: stay here
  activeScreen = s;
  if (screen.width != 0) {
    AttachToFramebuffer(screen.framebuffer, sprite.texture, screen.depthBuffer);
    ResetDrawingState(0, 0, w, h);
    SetViewportSize(w, h);
    return;
  }
  ResetDrawingState(0, 0, w, h);
  CopyWithoutBlending(glState, [&] {
    CaptureSprite(kScratchSprite, 0, 0, w, h);
    FillTarget(*this, w, h, transparentColour);
    DrawAtOrigin(*this, screen.sprite);
  });
}

void OpenGLRadazuri::CreateScreen(int32_t s, int32_t n, int32_t w, int32_t h) {
  if (!IsScreenNumber(s) || !IsSpriteNumber(n) || n == kScratchSprite) return;
  if (w < 1 || h < 1 || w > MaxTextureSize() || h > MaxTextureSize()) return;
  if (activeScreen == s) UseScreen(-1);
  DirectGL direct(glState);
  const int32_t T = TextureSizeFor(w), U = TextureSizeFor(h);
  FreeSprite(n);
  ImageBuffer empty;
  empty.width = T;
  empty.height = U;
  empty.pixels.assign(size_t(T) * size_t(U) * 4, 0);
  SpriteRecord& sprite = spriteTable[n];
  UploadImage(empty, 0, 0, 0, 0, &sprite.texture, nullptr, false, false);
  sprite.width = int16_t(w);
  sprite.height = int16_t(h);
  sprite.textureWidth = int16_t(T);
  sprite.textureHeight = int16_t(U);
  OffscreenScreen& screen = screens[size_t(s)];
  DeleteScreenFramebuffer(screen);
  if (HasFramebufferObjects()) MakeScreenFramebuffer(screen, sprite.texture, T, U);
  screen.sprite = n;
  BindSprite(currentSprite);
}

void OpenGLRadazuri::UseScreen(int32_t s) {
  if (s >= kScreenCount) return;
  DirectGL direct(glState);
  if (activeScreen >= 0) {
    LeaveScreen(activeScreen);
    activeScreen = -1;
  }
  ResetDrawingState(0, 0, 0, 0);
  if (s >= 0) EnterScreen(s);
}

void OpenGLRadazuri::ReleaseScreens() {
  if (GLReady()) glState.FlushAndForget();
  if (GLReady() && activeScreen >= 0 && screens[size_t(activeScreen)].width != 0)
    BindBackBuffer(*this);
  activeScreen = -1;
  for (OffscreenScreen& screen : screens) {
    if (GLReady()) DeleteScreenFramebuffer(screen);
    screen = OffscreenScreen{};
  }
}

}  // namespace zentoir

#include "gfx2d/renderer/RendererFace.h"

#include <cmath>
#include <memory>

#include "base/Shutdown.h"
#include "gfx2d/gl/FramePacing.h"
#include "gfx2d/renderer/Renderer.h"
#include "os/Clock.h"

namespace zentoir {

bool CreateRenderer(int width, int height, int frameRateLimit, int multisampleLevel) {
  auto created = std::make_unique<OpenGLRadazuri>();
  if (!created->CreateGameWindow(width, height, 0, frameRateLimit, multisampleLevel)) {
    return false;
  }
  SetRenderer(std::move(created));
  AddShutdownStep(ShutdownStage::Renderer, ReleaseRenderer);
  AddShutdownStep(ShutdownStage::Window, DestroyRendererWindow);
  return true;
}

bool SetRendererScreenMode(int width, int height, int fullScreen) {
  OpenGLRadazuri* r = Renderer();
  if (!r) return false;
  r->ApplyScreenMode(width, height, 0, fullScreen);
  r->FitScaledScreen();
  return true;
}

void HideRendererWindow() {
  if (OpenGLRadazuri* r = Renderer()) r->HideGameWindow();
}

double PresentRendererFrame(void (*serve)()) {
  OpenGLRadazuri* r = Renderer();
  if (!r) return 0;
  r->SwapBackBuffer();
  const double start = os::MonotonicMs();
  double now;
  for (;;) {  // sleeps, then spins the last part
    serve();
    now = os::MonotonicMs();
    const double remaining = r->MsUntilNextFrame(now);
    if (remaining < 0) break;
    os::SleepMicroseconds(std::llround(SleepBeforeFrameMs(remaining) * 1000));
  }
  r->ScheduleNextFrame(now);
  return now - start + 1;
}

void BeginRendererFrame() {
  if (OpenGLRadazuri* r = Renderer()) r->BeginFrame();
}

void ShowBlankRendererFrame(void (*serve)()) {
  OpenGLRadazuri* r = Renderer();
  if (!r) return;
  r->ClearColourBuffer();
  PresentRendererFrame(serve);
  r->ResetFullDrawingState();
}

void HandOverGL() {
  if (OpenGLRadazuri* r = Renderer()) r->ForgetGLState();
}

bool RendererTextureLimits(int32_t& largest, bool& anySize) {
  const OpenGLRadazuri* r = ActiveRenderer();
  if (!r) return false;
  largest = r->MaxTextureSize();
  anySize = r->HasGLExtension("GL_ARB_texture_non_power_of_two");
  return true;
}

bool CaptureBackgroundSlot(int32_t slot) {
  OpenGLRadazuri* r = ActiveRenderer();
  if (r) r->CaptureScreenToBackground(slot);
  return r != nullptr;
}

bool LoadBackgroundSlot(int32_t slot, const std::string& path) {
  OpenGLRadazuri* r = ActiveRenderer();
  return r && r->LoadBackgroundImage(slot, path) != 0;
}

void DrawBackgroundSlot(int32_t slot) {
  if (OpenGLRadazuri* r = ActiveRenderer()) r->DrawBackgroundImage(slot);
}

void FreeBackgroundSlot(int32_t slot) {
  if (OpenGLRadazuri* r = ActiveRenderer()) r->FreeBackgroundImage(slot);
}

}  // namespace zentoir

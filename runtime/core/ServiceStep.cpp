#include "core/ServiceStep.h"

#include "audio/MusicTrack.h"
#include "base/EventDispatch.h"
#include "base/Hooks.h"
#include "base/RuntimeContext.h"
#include "base/Stop.h"
#include "gfx2d/renderer/RendererFace.h"

namespace zentoir {
namespace {

constexpr int kKeyEscape = 1;
constexpr int kKeyAlt = 56;
constexpr int kKeyF4 = 62;

bool StopKeysDown() {
  if (Runtime().escapeEnds && IsFrameKeyDown(kKeyEscape)) return true;
  return IsFrameKeyDown(kKeyAlt) && IsFrameKeyDown(kKeyF4);
}

}  // namespace

void ApplyStopKeys() {
  if (StopKeysDown()) StopProgram();
}

void ServeEvents() {
  MusicLoopCheck();
  PumpMessages();
}

void ServiceStep() {
  ApplyStopKeys();
  ServeEvents();
}

double ShowBackBuffer() {
  return PresentRendererFrame(ServeEvents);
}

}  // namespace zentoir

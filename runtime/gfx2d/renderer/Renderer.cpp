#include "gfx2d/renderer/Renderer.h"

#include "base/RuntimeContext.h"
#include "os/Window.h"

namespace zentoir {
namespace {

// The holder itself is never destroyed: a renderer still alive when the process ends
// without its shutdown steps is left to the system rather than releasing GL objects
// after the display may be gone.
std::unique_ptr<OpenGLRadazuri>& Held() {
  static auto* held = new std::unique_ptr<OpenGLRadazuri>();
  return *held;
}

}  // namespace

OpenGLRadazuri* Renderer() {
  return Held().get();
}

void SetRenderer(std::unique_ptr<OpenGLRadazuri> renderer) {
  Held() = std::move(renderer);
}

void ReleaseRenderer() {
  Held().reset();
}

void DestroyRendererWindow() {
  RuntimeContext& rt = Runtime();
  os::DestroyWindow(rt.mainWindow);
  rt.mainWindow = nullptr;
}

}  // namespace zentoir

#include "gfx2d/gl/DrawBackends.h"

#include <cstdlib>
#include <cstring>

namespace zentoir {

DrawBackendKind DrawBackends::Choose(const void* context, DrawBackendKind wanted) {
  current_->HandBack();
  const bool shaders = wanted == DrawBackendKind::Shaders && shaders_.Start(context);
  current_ = shaders ? static_cast<DrawBackend*>(&shaders_) : &fixed_;
  return CurrentKind();
}

void DrawBackends::ContextLost() {
  shaders_.Abandon();
  current_ = &fixed_;
}

DrawBackendKind DrawBackends::StartupChoice() {
  const char* choice = std::getenv("ZENTOIR_DRAWING");
  return choice && std::strcmp(choice, "fixed-function") == 0 ? DrawBackendKind::FixedFunction
                                                              : DrawBackendKind::Shaders;
}

}  // namespace zentoir

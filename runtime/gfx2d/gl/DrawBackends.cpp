#include "gfx2d/gl/DrawBackends.h"

#include <cstdlib>
#include <cstring>

namespace zentoir {

DrawBackendKind DrawBackends::Choose(const void* context, DrawBackendKind wanted) {
  current_->HandBack();
  const bool shaders = wanted != DrawBackendKind::FixedFunction && shaders_.Start(context);
  if (shaders) shaders_.KeepAlphaTestInShader(wanted == DrawBackendKind::ShadersOnly);
  current_ = shaders ? static_cast<DrawBackend*>(&shaders_) : &fixed_;
  kind_ = shaders ? wanted : DrawBackendKind::FixedFunction;
  return kind_;
}

void DrawBackends::ContextLost() {
  shaders_.Abandon();
  current_ = &fixed_;
  kind_ = DrawBackendKind::FixedFunction;
}

DrawBackendKind DrawBackends::StartupChoice() {
  const char* choice = std::getenv("ZENTOIR_DRAWING");
  return choice && std::strcmp(choice, "fixed-function") == 0 ? DrawBackendKind::FixedFunction
                                                              : DrawBackendKind::Shaders;
}

}  // namespace zentoir

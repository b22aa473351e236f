// The two ways of drawing and the one in use. Drawing starts with the fixed-function
// pipeline; once a context exists, shaders are chosen where it runs them.
#pragma once

#include "gfx2d/gl/DrawBackend.h"
#include "gfx2d/gl/FixedFunctionBackend.h"
#include "gfx2d/gl/ShaderBackend.h"

namespace zentoir {

class DrawBackends {
 public:
  DrawBackend& Current() { return *current_; }
  DrawBackendKind CurrentKind() const { return kind_; }
  // With `context` current: the kind asked for where the context can draw with it, else
  // the fixed-function pipeline. The kind in use afterwards.
  DrawBackendKind Choose(const void* context, DrawBackendKind wanted);
  // The context went: the shaders' objects went with it.
  void ContextLost();

  // What start-up chooses: shaders, unless ZENTOIR_DRAWING is "fixed-function".
  static DrawBackendKind StartupChoice();

 private:
  FixedFunctionBackend fixed_;
  ShaderBackend shaders_;
  DrawBackend* current_ = &fixed_;
  DrawBackendKind kind_ = DrawBackendKind::FixedFunction;
};

}  // namespace zentoir

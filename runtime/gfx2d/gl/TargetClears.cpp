#include "gfx2d/gl/TargetClears.h"

#include <GL/gl.h>

namespace zentoir {

void SetViewportSize(int32_t w, int32_t h) {
  glViewport(0, 0, w, h);
}

void ClearColourOnly() {
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
}

void ClearEveryBuffer() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void ClearColourAndDepth() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void FlushCommands() {
  glFlush();
}

}  // namespace zentoir

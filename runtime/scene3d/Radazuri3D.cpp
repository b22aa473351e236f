#include "scene3d/Radazuri3D.h"

#include <GL/gl.h>

#include "os/GLContext.h"

namespace zentoir {
namespace {

std::unique_ptr<Radazuri3D>& Held() {
  static std::unique_ptr<Radazuri3D> scene;
  return scene;
}

}  // namespace

Radazuri3D* Scene() {
  return Held().get();
}

void CreateScene() {
  if (!Held()) Held() = std::make_unique<Radazuri3D>();
}

void Radazuri3D::ResetFrame() {
  glDepthMask(GL_TRUE);
  glStencilMask(~0u);
}

void Radazuri3D::ResetFrameSettings() {
  glDisable(GL_DEPTH_TEST);
  if (!os::CurrentContextIsEmbedded()) {  // OpenGL ES has neither
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
  }
  glDisable(GL_CULL_FACE);
  glDisable(GL_STENCIL_TEST);
}

}  // namespace zentoir

#include "gfx2d/gl/FixedState.h"

#include <GL/gl.h>

#include <initializer_list>

namespace zentoir {

void SetFixed2DState(int32_t x, int32_t y, int32_t w, int32_t h, int32_t targetHeight) {
  glViewport(x, targetHeight - h - y, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, w, h, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glEnable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.05f);
  glColor4f(1, 1, 1, 1);
  glClearColor(0, 0, 0, 1);

  for (GLenum capability : {GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH,
                            GL_STENCIL_TEST, GL_POLYGON_OFFSET_POINT, GL_AUTO_NORMAL, GL_NORMALIZE,
                            GL_LIGHTING, GL_COLOR_MATERIAL, GL_DITHER}) {
    glDisable(capability);
  }
  glShadeModel(GL_FLAT);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
}

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

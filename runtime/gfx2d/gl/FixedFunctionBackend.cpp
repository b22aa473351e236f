#include "gfx2d/gl/FixedFunctionBackend.h"

#include <GL/gl.h>

#include <initializer_list>

#include "os/DriverAllocations.h"

namespace zentoir {
namespace {

void SetOrthographicProjection(int32_t w, int32_t h) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, w, h, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

}  // namespace

void FixedFunctionBackend::Set2DState(int32_t x, int32_t y, int32_t w, int32_t h,
                                      int32_t targetHeight) {
  glViewport(x, targetHeight - h - y, w, h);
  SetOrthographicProjection(w, h);
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.05f);
  SetColour(1, 1, 1, 1);
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

void FixedFunctionBackend::SetWholeDrawable(int32_t w, int32_t h) {
  glViewport(0, 0, w, h);
  SetOrthographicProjection(w, h);
}

void FixedFunctionBackend::SetTexturing(bool on) {
  if (on) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
}

void FixedFunctionBackend::SetAlphaTest(bool on) {
  if (on) {
    glEnable(GL_ALPHA_TEST);
  } else {
    glDisable(GL_ALPHA_TEST);
  }
}

void FixedFunctionBackend::SetTextureReplace(bool on) {
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, on ? GL_REPLACE : GL_MODULATE);
}

void FixedFunctionBackend::SetColour(float red, float green, float blue, float alpha) {
  colour_ = {red, green, blue, alpha};
  glColor4f(red, green, blue, alpha);
}

void FixedFunctionBackend::DrawBatch(uint32_t mode, const BatchVertex* vertices, size_t count,
                                     bool coloured) {
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(BatchVertex), &vertices->x);
  if (coloured) {
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(BatchVertex), vertices->rgba);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glTranslatef(0.375f, 0.375f, 0);
    glMatrixMode(GL_MODELVIEW);
  } else {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(BatchVertex), &vertices->s);
  }
  // Mirrored quads run clockwise. Every 2D quad is meant to be seen, so instead of
  // switching the front face per quad, they are drawn without face culling: the same
  // pixels as each quad drawn facing the front (reversing a mirrored quad's vertices
  // instead would move texel boundaries by rounding).
  const bool culling = mode == GL_QUADS && glIsEnabled(GL_CULL_FACE);
  if (culling) glDisable(GL_CULL_FACE);
  {
    // The driver keeps state for client-array quads past the context (see
    // DriverAllocationScope); that is not ours to free.
    os::DriverAllocationScope driver;
    glDrawArrays(mode, 0, GLsizei(count));
  }
  if (culling) glEnable(GL_CULL_FACE);
  glDisableClientState(GL_VERTEX_ARRAY);
  if (coloured) {
    glDisableClientState(GL_COLOR_ARRAY);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glColor4f(colour_[0], colour_[1], colour_[2], colour_[3]);
  } else {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  }
}

void FixedFunctionBackend::DrawFan(const PolygonVertex* vertices, size_t count, bool textured,
                                   float alpha) {
  glEnable(GL_COLOR_MATERIAL);
  glEnable(GL_DITHER);
  glShadeModel(GL_SMOOTH);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(PolygonVertex), &vertices[0].x);
  if (textured) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(PolygonVertex), &vertices[0].s);
  }
  glEnableClientState(GL_COLOR_ARRAY);
  glColorPointer(4, GL_FLOAT, sizeof(PolygonVertex), &vertices[0].red);
  glDrawArrays(GL_TRIANGLE_FAN, 0, GLsizei(count));
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glShadeModel(GL_FLAT);
  glEnable(GL_TEXTURE_2D);
  SetColour(1, 1, 1, alpha);
  glDisable(GL_DITHER);
  glDisable(GL_COLOR_MATERIAL);
}

}  // namespace zentoir

#include "gfx2d/gl/PolygonFan.h"

#include <GL/gl.h>

namespace zentoir {

void DrawPolygonFan(const PolygonVertex* vertices, size_t count, bool textured, float alpha) {
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
  glColor4f(1, 1, 1, alpha);
  glDisable(GL_DITHER);
  glDisable(GL_COLOR_MATERIAL);
}

}  // namespace zentoir

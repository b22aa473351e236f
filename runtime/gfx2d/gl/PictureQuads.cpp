#include "gfx2d/gl/PictureQuads.h"

#include <GL/gl.h>

#include <initializer_list>

namespace zentoir {

void BeginBackgroundTiles() {
  glDisable(GL_ALPHA_TEST);
  glEnable(GL_TEXTURE_2D);
}

void EndBackgroundTiles() {
  glEnable(GL_ALPHA_TEST);
}

void DrawBackgroundTile(uint32_t texture, float x, float y, float w, float h, float s, float t) {
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(x, y + h);
  glTexCoord2f(s, 0);
  glVertex2f(x + w, y + h);
  glTexCoord2f(s, t);
  glVertex2f(x + w, y);
  glTexCoord2f(0, t);
  glVertex2f(x, y);
  glEnd();
}

void DrawScaledPicture(uint32_t texture, const PictureRect& rect, int32_t drawableWidth,
                       int32_t drawableHeight) {
  glViewport(0, 0, drawableWidth, drawableHeight);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, drawableWidth, drawableHeight, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  for (GLenum capability : {GL_BLEND, GL_ALPHA_TEST, GL_CULL_FACE, GL_DEPTH_TEST})
    glDisable(capability);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  const GLint filter = rect.nearest ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glColor4f(1, 1, 1, 1);
  const float x0 = float(rect.x), y0 = float(rect.y);
  const float x1 = x0 + float(rect.width), y1 = y0 + float(rect.height);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 1);
  glVertex2f(x0, y0);
  glTexCoord2f(0, 0);
  glVertex2f(x0, y1);
  glTexCoord2f(1, 0);
  glVertex2f(x1, y1);
  glTexCoord2f(1, 1);
  glVertex2f(x1, y0);
  glEnd();
}

}  // namespace zentoir

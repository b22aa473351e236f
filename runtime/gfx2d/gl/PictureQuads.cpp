#include "gfx2d/gl/PictureQuads.h"

#include <GL/gl.h>

#include <initializer_list>

namespace zentoir {

void BeginBackgroundTiles(DrawBackend& backend) {
  backend.SetAlphaTest(false);
  backend.SetTexturing(true);
}

void EndBackgroundTiles(DrawBackend& backend) {
  backend.SetAlphaTest(true);
}

void DrawBackgroundTile(DrawBackend& backend, uint32_t texture, float x, float y, float w, float h,
                        float s, float t) {
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  const BatchVertex quad[4] = {{x, y + h, 0, 0, 0, {}},
                               {x + w, y + h, 0, s, 0, {}},
                               {x + w, y, 0, s, t, {}},
                               {x, y, 0, 0, t, {}}};
  backend.DrawBatch(GL_QUADS, quad, 4, false);
}

void DrawScaledPicture(DrawBackend& backend, uint32_t texture, const PictureRect& rect,
                       int32_t drawableWidth, int32_t drawableHeight) {
  backend.SetWholeDrawable(drawableWidth, drawableHeight);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  for (GLenum capability : {GL_BLEND, GL_CULL_FACE, GL_DEPTH_TEST})
    glDisable(capability);
  backend.SetAlphaTest(false);
  backend.SetTexturing(true);
  glBindTexture(GL_TEXTURE_2D, texture);
  const GLint filter = rect.nearest ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  backend.SetColour(1, 1, 1, 1);
  const float x0 = float(rect.x), y0 = float(rect.y);
  const float x1 = x0 + float(rect.width), y1 = y0 + float(rect.height);
  const BatchVertex quad[4] = {
      {x0, y0, 0, 0, 1, {}}, {x0, y1, 0, 0, 0, {}}, {x1, y1, 0, 1, 0, {}}, {x1, y0, 0, 1, 1, {}}};
  backend.DrawBatch(GL_QUADS, quad, 4, false);
}

}  // namespace zentoir

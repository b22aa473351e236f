#include "gfx2d/renderer/TextureNames.h"

#include <GL/gl.h>

#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

void DeleteTextureName(uint32_t& name) {
  if (name != 0) {
    const GLuint texture = name;
    glDeleteTextures(1, &texture);
  }
  name = 0;
}

void SetUnpackState() {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
}

uint32_t NewTextureName(OpenGLRadazuri& r, uint32_t* name, bool nearest) {
  r.ForgetGLState();  // the binding below is made directly
  if (name) DeleteTextureName(*name);
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  r.ForgetTextureState(texture);
  r.SetBoundTextureFilter(texture, nearest ? GL_NEAREST : GL_LINEAR);
  if (name) *name = texture;
  return texture;
}

}  // namespace zentoir

#include "gfx2d/gl/MovieScreen.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

namespace zentoir {
namespace {

int PowerOfTwoAtLeast(int n) {
  int size = 1;
  while (size < n)
    size *= 2;
  return size;
}

void ClientSize(os::WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window != nullptr) SDL_GL_GetDrawableSize(window, &width, &height);
}

// A pixel-exact projection of the client area, y from the top, with the state that
// could alter the picture switched off; undone by RestoreState.
void PrepareState(int width, int height) {
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  for (GLenum matrix : {GL_PROJECTION, GL_MODELVIEW, GL_TEXTURE}) {
    glMatrixMode(matrix);
    glPushMatrix();
    glLoadIdentity();
  }
  glMatrixMode(GL_PROJECTION);
  glOrtho(0, width, height, 0, -1, 1);
  glViewport(0, 0, width, height);
  for (GLenum capability : {GL_SCISSOR_TEST, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_BLEND,
                            GL_ALPHA_TEST, GL_LIGHTING, GL_FOG, GL_CULL_FACE}) {
    glDisable(capability);
  }
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

void RestoreState() {
  for (GLenum matrix : {GL_TEXTURE, GL_MODELVIEW, GL_PROJECTION}) {
    glMatrixMode(matrix);
    glPopMatrix();
  }
  glPopAttrib();
}

}  // namespace

// The last column and row once more just outside the picture, so that filtering at its
// right and bottom edges does not blend in the unused part of the texture.
void MovieScreen::CopyEdgesOutward(const uint8_t* pixels) {
  const bool column = width_ < textureWidth_, row = height_ < textureHeight_;
  glPixelStorei(GL_UNPACK_ROW_LENGTH, width_);
  const size_t lastColumn = size_t(width_ - 1) * 4,
               lastRow = size_t(height_ - 1) * size_t(width_) * 4;
  if (column) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, width_, 0, 1, height_, GL_RGBA, GL_UNSIGNED_BYTE,
                    pixels + lastColumn);
  }
  if (row) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, height_, width_, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                    pixels + lastRow);
  }
  if (column && row) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, width_, height_, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                    pixels + lastRow + lastColumn);
  }
}

MovieScreen::~MovieScreen() {
  if (texture_ != 0) glDeleteTextures(1, &texture_);
}

bool MovieScreen::Create(int width, int height, int maxTextureSide, bool anySize) {
  const int textureWidth = anySize ? width : PowerOfTwoAtLeast(width);
  const int textureHeight = anySize ? height : PowerOfTwoAtLeast(height);
  if (width < 1 || height < 1 || textureWidth > maxTextureSide || textureHeight > maxTextureSide) {
    return false;
  }
  if (texture_ != 0) glDeleteTextures(1, &texture_);
  texture_ = 0;
  hasPicture_ = false;
  while (glGetError() != GL_NO_ERROR) {
  }
  glPushAttrib(GL_TEXTURE_BIT);
  glGenTextures(1, &texture_);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, textureWidth, textureHeight, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, nullptr);
  glPopAttrib();
  if (texture_ == 0 || glGetError() != GL_NO_ERROR) return false;
  width_ = width;
  height_ = height;
  textureWidth_ = textureWidth;
  textureHeight_ = textureHeight;
  return true;
}

void MovieScreen::Upload(const uint8_t* rgba, int width, int height) {
  if (texture_ == 0 || width != width_ || height != height_) return;
  glPushAttrib(GL_TEXTURE_BIT);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glBindTexture(GL_TEXTURE_2D, texture_);
  glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  CopyEdgesOutward(rgba);
  glPopClientAttrib();
  glPopAttrib();
  hasPicture_ = true;
}

MovieRect MovieScreen::Placement() const {
  int width, height;
  ClientSize(window_, width, height);
  return FitMovie(width_, height_, width, height);
}

void MovieScreen::Draw() {
  int width, height;
  ClientSize(window_, width, height);
  PrepareState(width, height);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  const MovieRect rect = FitMovie(width_, height_, width, height);
  if (hasPicture_ && rect.width > 0) {
    const float u = float(width_) / float(textureWidth_),
                v = float(height_) / float(textureHeight_);
    const float left = float(rect.x), top = float(rect.y);
    const float right = left + float(rect.width), bottom = top + float(rect.height);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(left, top);
    glTexCoord2f(u, 0);
    glVertex2f(right, top);
    glTexCoord2f(u, v);
    glVertex2f(right, bottom);
    glTexCoord2f(0, v);
    glVertex2f(left, bottom);
    glEnd();
  }
  RestoreState();
}

}  // namespace zentoir

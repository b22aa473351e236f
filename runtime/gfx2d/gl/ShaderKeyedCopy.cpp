// Keying a capture on the GPU: the target's rectangle is copied into a scratch texture,
// then drawn into the capture's texture through a framebuffer by the program that gives
// texels in the key colour alpha 0. Nothing waits for the frame to be drawn, as reading
// the pixels back would.
#include <GL/gl.h>

#include "gfx2d/gl/Framebuffers.h"
#include "gfx2d/gl/GLExtensions.h"
#include "gfx2d/gl/ShaderBackend.h"

namespace zentoir {

// RGB, which every target can be copied into (OpenGL ES copies no alpha that the target
// lacks); nearest texels, so that each is drawn as it is.
void ShaderBackend::PrepareKeyScratch(int32_t w, int32_t h) {
  if (keyScratch_ != 0 && keyScratchWidth_ >= w && keyScratchHeight_ >= h) {
    glBindTexture(GL_TEXTURE_2D, keyScratch_);
    return;
  }
  if (keyScratch_ == 0) glGenTextures(1, &keyScratch_);
  glBindTexture(GL_TEXTURE_2D, keyScratch_);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, w, h, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  keyScratchWidth_ = w;
  keyScratchHeight_ = h;
}

bool ShaderBackend::CopyKeyed(const KeyedCopy& copy) {
  if (!context_ || keyingRefused_ || !HasFramebufferObjects()) return false;
  const int32_t T = copy.textureWidth, U = copy.textureHeight;
  PrepareKeyScratch(T, U);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, copy.x, copy.yFromBottom, copy.width, copy.height);

  const GLExtensionFunctions& gl = GLExtensions();
  const bool first = keyFramebuffer_ == 0;
  if (first) gl.glGenFramebuffersEXT(1, &keyFramebuffer_);
  AttachToFramebuffer(keyFramebuffer_, copy.texture, 0);
  if (first && gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) != GL_FRAMEBUFFER_COMPLETE_EXT) {
    keyingRefused_ = true;
    BindFramebuffer(copy.targetFramebuffer);
    return false;
  }
  const int32_t projectionWidth = projectionWidth_, projectionHeight = projectionHeight_;
  SetWholeDrawable(T, U);
  glDisable(GL_BLEND);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 1);

  // Texture rows run upwards as the target's do; the projection's y runs downwards.
  const float w = float(copy.width), h = float(copy.height), top = float(U) - h;
  const float s = w / float(keyScratchWidth_), t = h / float(keyScratchHeight_);
  const BatchVertex quad[4] = {{0, float(U), 0, 0, 0, {}},
                               {w, float(U), 0, s, 0, {}},
                               {w, top, 0, s, t, {}},
                               {0, top, 0, 0, t, {}}};
  const bool texturing = texturing_, replace = replace_, alphaTest = alphaTest_;
  texturing_ = replace_ = true;
  SetAlphaTest(false);
  key_ = &copy.key;
  DrawBatch(GL_QUADS, quad, 4, false);
  key_ = nullptr;
  const ShaderVariant keying{.textured = true, .replace = true, .keyColour = true};
  keyingRefused_ = programs_[keying.Index()].refused;  // the read-back fills the texture
  texturing_ = texturing, replace_ = replace;
  SetAlphaTest(alphaTest);

  BindFramebuffer(copy.targetFramebuffer);
  const std::array<int32_t, 4>& v = copy.viewport;
  glViewport(v[0], v[1], v[2], v[3]);
  projectionWidth_ = projectionWidth, projectionHeight_ = projectionHeight;
  return !keyingRefused_;
}

}  // namespace zentoir

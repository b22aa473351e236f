#include "gfx2d/renderer/TextureNames.h"

#include "gfx2d/renderer/OpenGLRadazuri.h"

namespace zentoir {

uint32_t NewTextureName(OpenGLRadazuri& r, uint32_t* name, bool nearest) {
  r.ForgetGLState();  // the binding below is made directly
  if (name) DeleteTextureName(*name);
  const uint32_t texture = MakeRepeatingTexture();
  r.ForgetTextureState(texture);
  r.SetBoundTextureFilter(texture, nearest ? NearestFilter() : LinearFilter());
  if (name) *name = texture;
  return texture;
}

}  // namespace zentoir

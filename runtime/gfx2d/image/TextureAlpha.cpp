#include "gfx2d/image/TextureAlpha.h"

namespace zentoir {

TextureAlpha ClassifyAlpha(const TexelBlock& block) {
  bool opaque = true;
  for (size_t i = 3; i < block.bytes.size(); i += 4) {
    const uint8_t a = block.bytes[i];
    if (a == 255) continue;
    if (a != 0) return TextureAlpha::Translucent;
    opaque = false;
  }
  return opaque ? TextureAlpha::Opaque : TextureAlpha::Binary;
}

FragmentState FragmentStateFor(TextureAlpha alpha, bool nearest, BlendMode mode,
                               float colourAlpha) {
  FragmentState state;
  state.blending = mode != BlendMode::Off;
  state.replaceColour = colourAlpha == 1.0f;
  // Every sampled alpha is exactly 1 for an opaque texture (any filter: mixing opaque
  // texels stays opaque) and 0 or 1 for a binary one drawn with nearest filtering.
  const bool opaqueSamples = alpha == TextureAlpha::Opaque;
  const bool binarySamples = opaqueSamples || (alpha == TextureAlpha::Binary && nearest);
  // An opaque fragment passes the alpha test (alpha > 0.05) while the colour's alpha
  // stays clearly above it.
  if (opaqueSamples && colourAlpha >= 0.1f) state.alphaTest = false;
  // Normal blending of a fragment of alpha 1 writes the fragment; fragments of alpha 0
  // are dropped by the alpha test.
  if (binarySamples && colourAlpha == 1.0f && mode == BlendMode::Normal) state.blending = false;
  return state;
}

}  // namespace zentoir

// What a texture's alpha channel allows: blending and the alpha test only change the
// picture where a drawn fragment can be partly transparent, so textures whose alpha is
// all opaque (or only ever fully opaque or fully transparent) can skip that work.
#pragma once

#include <cstdint>

#include "gfx2d/image/TexturePixels.h"

namespace zentoir {

enum class TextureAlpha : uint8_t {
  Translucent,  // any alpha; also every texture not classified
  Binary,       // every texel's alpha 0 or 255 (colour-keyed images)
  Opaque,       // every texel's alpha 255
};

TextureAlpha ClassifyAlpha(const TexelBlock& block);

// How a textured quad is drawn in colour (1, 1, 1, colourAlpha).
struct FragmentState {
  bool blending = false;
  bool alphaTest = true;
  bool replaceColour = false;  // texels drawn as they are (the colour is opaque white)
};

// The blending the alpha mode asks for: off, normal (source alpha, one minus source
// alpha) or additive (source alpha, one).
enum class BlendMode : uint8_t { Off, Normal, Additive };

// The cheapest state that draws the same pixels as blending by `mode` with the alpha
// test on, for a texture of the given alpha drawn with nearest (or linear) filtering.
FragmentState FragmentStateFor(TextureAlpha alpha, bool nearest, BlendMode mode, float colourAlpha);

}  // namespace zentoir

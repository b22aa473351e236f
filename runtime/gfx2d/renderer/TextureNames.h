// Making the renderer's texture names, the same way for loaded images, captures and
// background tiles.
#pragma once

#include <cstdint>

#include "gfx2d/gl/Textures.h"

namespace zentoir {

class OpenGLRadazuri;

// Deletes *name (when given), then generates and binds a new repeating texture with
// nearest or linear filtering; the new name goes into *name and is returned.
uint32_t NewTextureName(OpenGLRadazuri& r, uint32_t* name, bool nearest);

}  // namespace zentoir

// Making and deleting the renderer's texture names, the same way for loaded images,
// captures and background tiles.
#pragma once

#include <cstdint>

namespace zentoir {

class OpenGLRadazuri;

// Deletes the texture (if any) and sets the name to 0.
void DeleteTextureName(uint32_t& name);
// Unpacking from tightly packed rows: alignment 1, no row length, no skips.
void SetUnpackState();
// Deletes *name (when given), then generates and binds a new repeating texture with
// nearest or linear filtering; the new name goes into *name and is returned.
uint32_t NewTextureName(OpenGLRadazuri& r, uint32_t* name, bool nearest);

}  // namespace zentoir

// Reading a texture's first level back into memory.
#pragma once

#include <cstdint>

namespace zentoir {

// Binds the texture and reads its texels, tightly packed, as BGR or as alpha alone.
// GL is used directly: the caller binds its own texture again.
void ReadTextureBgr(uint32_t texture, uint8_t* pixels);
void ReadTextureAlpha(uint32_t texture, uint8_t* alpha);

}  // namespace zentoir

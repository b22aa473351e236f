// Framebuffer objects: a texture to draw into, with a renderbuffer for its depth (and
// stencil). Used by the offscreen screens and the scaled screen.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace zentoir {

// Makes a framebuffer that draws into `texture`, with a depth renderbuffer of w × h in
// the first of `depthFormats` that makes it complete; a depth-and-stencil format is
// attached as stencil too. Leaves the framebuffer bound and no renderbuffer bound. False
// when no format gives a complete framebuffer; the names are set either way.
bool MakeFramebuffer(uint32_t texture, int32_t w, int32_t h,
                     std::initializer_list<uint32_t> depthFormats, uint32_t& framebuffer,
                     uint32_t& renderbuffer);

// Makes the framebuffer (0: the window's) the drawing target; the renderbuffer binding
// follows where given.
void BindFramebuffer(uint32_t framebuffer);
void BindFramebuffer(uint32_t framebuffer, uint32_t renderbuffer);
// The framebuffer drawn into now.
uint32_t BoundFramebuffer();
// Binds the framebuffer with `texture` as its colour and the renderbuffer as its depth.
void AttachToFramebuffer(uint32_t framebuffer, uint32_t texture, uint32_t renderbuffer);

// Deletes the framebuffer and the renderbuffer that were made, and sets both names to 0.
void DeleteFramebuffer(uint32_t& framebuffer, uint32_t& renderbuffer);

}  // namespace zentoir

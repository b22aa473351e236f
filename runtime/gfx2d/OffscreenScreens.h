// Offscreen screens: up to 32 drawing targets, each drawing into a sprite. With
// framebuffer objects the drawing goes straight into the sprite's texture; without them
// the screen is emulated in the top-left corner of the back buffer and copied into the
// sprite when it is left.
#pragma once

namespace zentoir {

// Makes screen s (0..31; others are ignored) draw into sprite n, which becomes an empty
// width × height image.
void CreateScreen(double s, double n, double width, double height);
// s in 0..31: drawing goes into screen s; s < 0: back to the back buffer; s > 31: nothing.
void UseScreen(double s);

}  // namespace zentoir

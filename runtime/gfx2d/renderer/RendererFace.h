// The renderer as the core and the modal commands see it: made at start-up, put into a
// screen mode, each frame shown and begun, GL lent to code that draws with it directly,
// and the background slots that modal commands save the screen in. Without a renderer
// (before start-up, after shutdown) every call does nothing and answers false or 0.
#pragma once

#include <cstdint>
#include <string>

namespace zentoir {

// Makes the renderer with its window and GL context, and adds the shutdown steps that
// release it and destroy the window. False when no window can be made.
bool CreateRenderer(int width, int height, int frameRateLimit, int multisampleLevel);
// Stores the positive sizes, then enters full screen (fullScreen != 0) or a window;
// the scaled screen follows the new size. False without a renderer.
bool SetRendererScreenMode(int width, int height, int fullScreen);
// Leaves full screen and hides the window.
void HideRendererWindow();

// Shows the back buffer, then waits until the next frame is due, calling `serve`
// between sleeps; returns the milliseconds waited plus 1 (0 without a renderer).
double PresentRendererFrame(void (*serve)());
// After a frame is shown: blending off, full white and alpha, background 0 drawn and
// the full-screen 2D drawing state.
void BeginRendererFrame();
// A black frame shown (as PresentRendererFrame), then the full-screen drawing state.
void ShowBlankRendererFrame(void (*serve)());
// The quads waiting are drawn and the cached GL state forgotten, for code that uses GL
// directly (the 3D scene, movies); call it again when that code is done.
void HandOverGL();
// The largest texture side, and whether textures of any size may be made.
bool RendererTextureLimits(int32_t& largest, bool& anySize);

// Background slots 0..7: the drawing target captured as tiles, a picture file loaded,
// drawn from the viewport's origin, freed. Capture and load answer whether they did.
bool CaptureBackgroundSlot(int32_t slot);
bool LoadBackgroundSlot(int32_t slot, const std::string& path);
void DrawBackgroundSlot(int32_t slot);
void FreeBackgroundSlot(int32_t slot);

}  // namespace zentoir

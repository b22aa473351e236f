// The 2D drawing state: viewport, alpha modes, smoothing and the transparent colour.
#pragma once

namespace zentoir {

// Alpha 0: no blending, full opacity. Negative: ordinary transparency at |alpha|;
// positive: additive at alpha (both at most 1).
void SetAlphaMode(double alpha);
// The drawing area; a width or height of 0 or less keeps the full screen size.
void SetViewport(double x, double y, double width, double height);
void GetScreenSize(double& width, double& height);
// Linear (non-zero) or nearest-texel filtering of the following sprite draws.
void SetSmoothing(double flag);
// The colour key of later image and font loads, as red + 256 × green + 65536 × blue.
void SetTransparentColour(double colour);

}  // namespace zentoir

// Radazuri3D: the 3D scene. Only its part in the frame loop exists so far: the resets
// that keep 3D settings from leaking into the next clear and into 2D drawing.
#pragma once

#include <memory>

namespace zentoir {

class Radazuri3D {
 public:
  // Before the frame is shown: depth and stencil writes on again, so that the clear
  // after the buffer swap reaches the whole depth and stencil buffers.
  void ResetFrame();
  // After the frame is shown: depth test, lighting, fog, face culling and stencil test
  // off, so the next frame's 2D drawing starts from plain settings.
  void ResetFrameSettings();
};

// The 3D scene, or null before start-up. Once created it lives to the program's end.
Radazuri3D* Scene();
// Creates the scene, once the renderer's context exists (a scene that exists is kept).
void CreateScene();

}  // namespace zentoir

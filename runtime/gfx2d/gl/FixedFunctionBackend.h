// Drawing with the fixed-function pipeline: client vertex arrays, the texture
// environment, the alpha test and the matrix stacks. Every context has it.
#pragma once

#include <array>

#include "gfx2d/gl/DrawBackend.h"

namespace zentoir {

class FixedFunctionBackend final : public DrawBackend {
 public:
  void Set2DState(int32_t x, int32_t y, int32_t w, int32_t h, int32_t targetHeight) override;
  void SetWholeDrawable(int32_t w, int32_t h) override;
  void SetTexturing(bool on) override;
  void SetAlphaTest(bool on) override;
  void SetTextureReplace(bool on) override;
  void SetColour(float red, float green, float blue, float alpha) override;
  void DrawBatch(uint32_t mode, const BatchVertex* vertices, size_t count, bool coloured) override;
  void DrawFan(const PolygonVertex* vertices, size_t count, bool textured, float alpha) override;
  void HandBack() override {}

 private:
  // A colour array leaves the current colour undefined; the last one set is put back.
  std::array<float, 4> colour_{1, 1, 1, 1};
};

}  // namespace zentoir

// The 2D renderer's shader programs: one pair of sources, written in the language that
// desktop GLSL 1.10 and GLSL ES 1.00 share, built in variants for what a draw needs.
#pragma once

#include <array>
#include <cstdint>

namespace zentoir {

// The vertex attributes every variant reads at these locations.
enum ShaderAttribute : uint32_t {
  kPositionAttribute = 0,
  kTexCoordAttribute = 1,
  kColourAttribute = 2,
};

struct ShaderVariant {
  bool textured = false;      // texels of unit 0
  bool replace = false;       // texels as they are, not multiplied by the colour
  bool alphaTest = false;     // fragments of alpha 0.05 or less are dropped
  bool vertexColour = false;  // the colour comes with each vertex, not from a uniform
  bool keyColour = false;     // alpha 0 where the colour is the key (a uniform), else 1

  static constexpr uint32_t kCount = 32;
  uint32_t Index() const {
    return uint32_t(textured) | uint32_t(replace) << 1 | uint32_t(alphaTest) << 2 |
           uint32_t(vertexColour) << 3 | uint32_t(keyColour) << 4;
  }
};

struct ShaderProgram {
  uint32_t name = 0;  // 0: not built (or the driver refused it)
  int32_t projectionLocation = -1;
  int32_t colourLocation = -1;
  int32_t keyLocation = -1;
  // The uniform values last given, so that unchanged ones are not given again.
  std::array<float, 16> projection{};
  std::array<float, 4> colour{};
  bool projectionSet = false, colourSet = false;
  bool refused = false;  // built once and refused: not built again
};

// Compiles and links the variant, its sampler on texture unit 0. A program of name 0
// (and a line in the error log) when the driver refuses the sources.
ShaderProgram BuildShaderProgram(ShaderVariant variant);
void DeleteShaderProgram(ShaderProgram& program);

}  // namespace zentoir

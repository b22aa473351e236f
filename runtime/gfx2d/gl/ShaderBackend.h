// Drawing through shaders and vertex buffers: the settings the fixed-function pipeline
// keeps in GL are kept here and pick the program variant of each draw. Needs OpenGL 2.0
// or OpenGL ES 2.0; the same programs run on WebGL.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gfx2d/gl/DrawBackend.h"
#include "gfx2d/gl/ShaderPrograms.h"

namespace zentoir {

class ShaderBackend final : public DrawBackend {
 public:
  ShaderBackend() = default;
  ShaderBackend(const ShaderBackend&) = delete;
  ShaderBackend& operator=(const ShaderBackend&) = delete;

  // Builds the programs and buffers in the current context, once per context (the
  // objects of an earlier one went with it). False when the context cannot run them.
  bool Start(const void* context);
  // Forgets the GL objects without deleting them: their context is gone.
  void Abandon();
  // The alpha test in the shader even where the context has its own (OpenGL ES always
  // has it there).
  void KeepAlphaTestInShader(bool on);

  void Set2DState(int32_t x, int32_t y, int32_t w, int32_t h, int32_t targetHeight) override;
  void SetWholeDrawable(int32_t w, int32_t h) override;
  void SetTexturing(bool on) override { texturing_ = on; }
  void SetAlphaTest(bool on) override;
  void SetTextureReplace(bool on) override { replace_ = on; }
  void SetColour(float red, float green, float blue, float alpha) override {
    colour_ = {red, green, blue, alpha};
  }
  void DrawBatch(uint32_t mode, const BatchVertex* vertices, size_t count, bool coloured) override;
  void DrawFan(const PolygonVertex* vertices, size_t count, bool textured, float alpha) override;
  bool CopyKeyed(const KeyedCopy& copy) override;
  void HandBack() override;

 private:
  // Binds the variant for the current settings and gives it its uniforms.
  bool UseProgram(bool vertexColour, bool pixelCentres);
  void UseAttributes(bool texCoords, bool colours);
  void Upload(const void* data, size_t bytes);
  void BindOwnBuffers();
  // Binds the texture the target is first copied into, made at least w × h.
  void PrepareKeyScratch(int32_t w, int32_t h);

  const void* context_ = nullptr;
  std::array<ShaderProgram, ShaderVariant::kCount> programs_{};
  uint32_t vertexBuffer_ = 0, quadIndexBuffer_ = 0;
  bool bound_ = false;  // our program and buffers are bound
  uint32_t boundProgram_ = 0;
  bool texCoordsOn_ = false, coloursOn_ = false;
  bool alphaTestInShader_ = false;

  // The keyed copy's texture and framebuffer, made on first use in each context.
  uint32_t keyScratch_ = 0, keyFramebuffer_ = 0;
  int32_t keyScratchWidth_ = 0, keyScratchHeight_ = 0;
  bool keyingRefused_ = false;  // the framebuffer was incomplete: read-backs key instead

  bool texturing_ = true, alphaTest_ = true, replace_ = false;
  const std::array<uint8_t, 3>* key_ = nullptr;  // keying the texels while set
  std::array<float, 4> colour_{1, 1, 1, 1};
  int32_t projectionWidth_ = 1, projectionHeight_ = 1;
};

}  // namespace zentoir

#include "gfx2d/gl/ShaderBackend.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstddef>
#include <initializer_list>

#include "gfx2d/gl/GLExtensions.h"
#include "os/DriverAllocations.h"

namespace zentoir {
namespace {

// Quads are drawn as two triangles each, (0, 1, 2) and (0, 2, 3), through one index
// list for this many quads at a time (16-bit indices, as OpenGL ES takes them).
constexpr size_t kQuadsPerDraw = 16384;

const void* Offset(size_t bytes) {
  return reinterpret_cast<const void*>(bytes);
}

// The projection of glOrtho(0, w, h, 0, -1, 1), computed as GL computes it, moved by
// 3/8 pixel for coloured vertices (as glTranslatef would move it), so that the same
// vertices land on the same window positions in both pipelines.
std::array<float, 16> Projection(int32_t w, int32_t h, bool pixelCentres) {
  const float right = float(w), bottom = float(h), top = 0, left = 0, nearest = -1, farthest = 1;
  std::array<float, 16> m{};
  m[0] = 2.0f / (right - left);
  m[5] = 2.0f / (top - bottom);
  m[10] = -2.0f / (farthest - nearest);
  m[12] = -(right + left) / (right - left);
  m[13] = -(top + bottom) / (top - bottom);
  m[14] = -(farthest + nearest) / (farthest - nearest);
  m[15] = 1;
  if (pixelCentres) {
    const float x = 0.375f, y = 0.375f, z = 0;
    m[12] = m[0] * x + m[4] * y + m[8] * z + m[12];
    m[13] = m[1] * x + m[5] * y + m[9] * z + m[13];
    m[14] = m[2] * x + m[6] * y + m[10] * z + m[14];
    m[15] = m[3] * x + m[7] * y + m[11] * z + m[15];
  }
  return m;
}

// Capabilities the fixed-function pipeline applies even while a program draws.
void TurnOffFixedFunctionEffects() {
  for (GLenum capability : {GL_FOG, GL_LINE_SMOOTH, GL_POINT_SMOOTH, GL_POLYGON_SMOOTH,
                            GL_POLYGON_OFFSET_POINT, GL_LIGHTING, GL_COLOR_MATERIAL}) {
    glDisable(capability);
  }
}

}  // namespace

bool ShaderBackend::Start(const void* context) {
  if (context_ == context && programs_[0].name) return true;
  Abandon();
  if (!context || !HasShaders()) return false;
  // The driver keeps some of what it makes for programs and draws past the context;
  // that is not ours to free.
  const os::DriverAllocationScope driver;
  ShaderProgram first = BuildShaderProgram(ShaderVariant{});
  if (!first.name) return false;
  programs_[0] = first;
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glGenBuffers(1, &vertexBuffer_);
  gl.glGenBuffers(1, &quadIndexBuffer_);
  std::vector<uint16_t> indices(kQuadsPerDraw * 6);
  for (size_t q = 0; q < kQuadsPerDraw; ++q) {
    const auto v = uint16_t(q * 4);
    const uint16_t quad[6] = {v, uint16_t(v + 1), uint16_t(v + 2),
                              v, uint16_t(v + 2), uint16_t(v + 3)};
    std::copy(quad, quad + 6, indices.begin() + std::ptrdiff_t(q * 6));
  }
  gl.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, quadIndexBuffer_);
  gl.glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint16_t)),
                  indices.data(), GL_STATIC_DRAW);
  context_ = context;
  alphaTestInShader_ = EmbeddedGL();  // OpenGL ES has no fixed-function alpha test
  bound_ = true;                      // building bound the first program
  HandBack();
  return true;
}

void ShaderBackend::Abandon() {
  programs_ = {};
  vertexBuffer_ = quadIndexBuffer_ = 0;
  keyScratch_ = keyFramebuffer_ = 0;
  keyScratchWidth_ = keyScratchHeight_ = 0;
  keyingRefused_ = false;
  context_ = nullptr;
  bound_ = false;
  boundProgram_ = 0;
  texCoordsOn_ = coloursOn_ = false;
}

void ShaderBackend::Set2DState(int32_t x, int32_t y, int32_t w, int32_t h, int32_t targetHeight) {
  glViewport(x, targetHeight - h - y, w, h);
  projectionWidth_ = w;
  projectionHeight_ = h;
  texturing_ = true;
  SetColour(1, 1, 1, 1);
  if (!EmbeddedGL()) glAlphaFunc(GL_GREATER, 0.05f);
  SetAlphaTest(true);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glFrontFace(GL_CCW);
  glClearColor(0, 0, 0, 1);
  glDisable(GL_STENCIL_TEST);
  glDisable(GL_DITHER);
  if (!EmbeddedGL()) TurnOffFixedFunctionEffects();
}

// The desktop's own alpha test applies to programs too; its driver may draw programs
// without discard by a faster path.
void ShaderBackend::SetAlphaTest(bool on) {
  alphaTest_ = on;
  if (EmbeddedGL()) return;
  if (on && !alphaTestInShader_) {
    glEnable(GL_ALPHA_TEST);
  } else {
    glDisable(GL_ALPHA_TEST);
  }
}

void ShaderBackend::KeepAlphaTestInShader(bool on) {
  alphaTestInShader_ = on || EmbeddedGL();
  SetAlphaTest(alphaTest_);
}

void ShaderBackend::SetWholeDrawable(int32_t w, int32_t h) {
  glViewport(0, 0, w, h);
  projectionWidth_ = w;
  projectionHeight_ = h;
}

void ShaderBackend::BindOwnBuffers() {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  gl.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, quadIndexBuffer_);
  gl.glEnableVertexAttribArray(kPositionAttribute);
  bound_ = true;
}

bool ShaderBackend::UseProgram(bool vertexColour, bool pixelCentres) {
  if (!context_) return false;
  if (!bound_) BindOwnBuffers();
  ShaderVariant variant;
  variant.textured = texturing_;
  variant.replace = texturing_ && replace_;
  variant.alphaTest = alphaTest_ && alphaTestInShader_;
  variant.vertexColour = vertexColour;
  variant.keyColour = key_ != nullptr;
  ShaderProgram& program = programs_[variant.Index()];
  const GLExtensionFunctions& gl = GLExtensions();
  if (program.refused) return false;  // logged once, when it was built
  if (!program.name) {
    const os::DriverAllocationScope driver;
    program = BuildShaderProgram(variant);
    boundProgram_ = program.name;
    if (!program.name) return false;
  }
  if (boundProgram_ != program.name) {
    gl.glUseProgram(program.name);
    boundProgram_ = program.name;
  }
  const std::array<float, 16> projection =
      Projection(projectionWidth_, projectionHeight_, pixelCentres);
  if (!program.projectionSet || program.projection != projection) {
    gl.glUniformMatrix4fv(program.projectionLocation, 1, GL_FALSE, projection.data());
    program.projection = projection;
    program.projectionSet = true;
  }
  if (program.colourLocation >= 0 && (!program.colourSet || program.colour != colour_)) {
    gl.glUniform4f(program.colourLocation, colour_[0], colour_[1], colour_[2], colour_[3]);
    program.colour = colour_;
    program.colourSet = true;
  }
  if (key_) {
    const std::array<uint8_t, 3>& key = *key_;
    gl.glUniform3f(program.keyLocation, key[0], key[1], key[2]);
  }
  UseAttributes(variant.textured, vertexColour);
  return true;
}

namespace {

void SetAttributeArray(uint32_t attribute, bool on, bool& isOn) {
  if (on == isOn) return;
  if (on) {
    GLExtensions().glEnableVertexAttribArray(attribute);
  } else {
    GLExtensions().glDisableVertexAttribArray(attribute);
  }
  isOn = on;
}

// The batch's vertices from byte `base` of the vertex buffer on.
void PointAtBatchVertices(size_t base) {
  const GLExtensionFunctions& gl = GLExtensions();
  constexpr GLsizei stride = sizeof(BatchVertex);
  gl.glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                           Offset(base + offsetof(BatchVertex, x)));
  gl.glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                           Offset(base + offsetof(BatchVertex, s)));
  gl.glVertexAttribPointer(kColourAttribute, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                           Offset(base + offsetof(BatchVertex, rgba)));
}

}  // namespace

void ShaderBackend::UseAttributes(bool texCoords, bool colours) {
  SetAttributeArray(kTexCoordAttribute, texCoords, texCoordsOn_);
  SetAttributeArray(kColourAttribute, colours, coloursOn_);
}

// A fresh store each time: the driver need not wait for draws still reading the last.
void ShaderBackend::Upload(const void* data, size_t bytes) {
  GLExtensions().glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(bytes), data, GL_STREAM_DRAW);
}

void ShaderBackend::DrawBatch(uint32_t mode, const BatchVertex* vertices, size_t count,
                              bool coloured) {
  if (count == 0 || !UseProgram(coloured, coloured)) return;
  Upload(vertices, count * sizeof(BatchVertex));
  if (mode != GL_QUADS) {
    PointAtBatchVertices(0);
    const os::DriverAllocationScope driver;
    glDrawArrays(mode, 0, GLsizei(count));
    return;
  }
  // Mirrored quads run clockwise; every 2D quad is meant to be seen.
  const bool culling = glIsEnabled(GL_CULL_FACE);
  if (culling) glDisable(GL_CULL_FACE);
  for (size_t first = 0; first + 4 <= count; first += kQuadsPerDraw * 4) {
    PointAtBatchVertices(first * sizeof(BatchVertex));
    const size_t quads = std::min(kQuadsPerDraw, (count - first) / 4);
    const os::DriverAllocationScope driver;
    glDrawElements(GL_TRIANGLES, GLsizei(quads * 6), GL_UNSIGNED_SHORT, nullptr);
  }
  if (culling) glEnable(GL_CULL_FACE);
}

void ShaderBackend::DrawFan(const PolygonVertex* vertices, size_t count, bool textured,
                            float alpha) {
  if (count > 0 && UseProgram(true, false)) {
    const GLExtensionFunctions& gl = GLExtensions();
    Upload(vertices, count * sizeof(PolygonVertex));
    constexpr GLsizei stride = sizeof(PolygonVertex);
    gl.glVertexAttribPointer(kPositionAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                             Offset(offsetof(PolygonVertex, x)));
    gl.glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                             Offset(offsetof(PolygonVertex, s)));
    gl.glVertexAttribPointer(kColourAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                             Offset(offsetof(PolygonVertex, red)));
    if (!textured) UseAttributes(false, true);
    glEnable(GL_DITHER);
    const os::DriverAllocationScope driver;
    glDrawArrays(GL_TRIANGLE_FAN, 0, GLsizei(count));
    glDisable(GL_DITHER);
  }
  texturing_ = true;
  SetColour(1, 1, 1, alpha);
}

void ShaderBackend::HandBack() {
  if (!bound_) return;
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glUseProgram(0);
  UseAttributes(false, false);
  // Generic attribute 0 stands for the vertex position in the fixed-function pipeline.
  gl.glDisableVertexAttribArray(kPositionAttribute);
  gl.glBindBuffer(GL_ARRAY_BUFFER, 0);
  gl.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  bound_ = false;
  boundProgram_ = 0;
}

}  // namespace zentoir

#include "gfx2d/gl/ShaderPrograms.h"

#include <string>

#include "base/ErrorLog.h"
#include "gfx2d/gl/GLExtensions.h"

namespace zentoir {
namespace {

constexpr const char* kVertexSource = R"(
attribute vec3 position;
attribute vec2 texCoord;
attribute vec4 vertexColour;
uniform mat4 projection;
varying vec2 fragmentTexCoord;
varying vec4 fragmentColour;
void main() {
  gl_Position = projection * vec4(position, 1.0);
  fragmentTexCoord = texCoord;
  fragmentColour = vertexColour;
  gl_PointSize = 1.0;
}
)";

constexpr const char* kFragmentSource = R"(
#ifdef GL_ES
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
#endif
uniform sampler2D picture;
uniform vec4 colour;
uniform vec3 key;  // red, green and blue from 0 to 255
varying vec2 fragmentTexCoord;
varying vec4 fragmentColour;
void main() {
#ifdef VERTEX_COLOUR
  vec4 tint = fragmentColour;
#else
  vec4 tint = colour;
#endif
#if defined(TEXTURED) && defined(REPLACE)
  vec4 result = texture2D(picture, fragmentTexCoord);
#elif defined(TEXTURED)
  vec4 result = texture2D(picture, fragmentTexCoord) * tint;
#else
  vec4 result = tint;
#endif
#ifdef ALPHA_TEST
  if (result.a <= 0.05) discard;
#endif
#ifdef KEY_COLOUR
  result.a = all(equal(floor(result.rgb * 255.0 + 0.5), key)) ? 0.0 : 1.0;
#endif
  gl_FragColor = result;
}
)";

std::string Defines(ShaderVariant variant) {
  std::string defines;
  if (variant.textured) defines += "#define TEXTURED\n";
  if (variant.replace) defines += "#define REPLACE\n";
  if (variant.alphaTest) defines += "#define ALPHA_TEST\n";
  if (variant.vertexColour) defines += "#define VERTEX_COLOUR\n";
  if (variant.keyColour) defines += "#define KEY_COLOUR\n";
  return defines;
}

// Whether the shader's or program's status is set; if not, its log goes to the error log.
template <typename GetStatus, typename GetLog>
bool Succeeded(uint32_t object, uint32_t status, GetStatus getStatus, GetLog getLog,
               const char* what) {
  GLint done = 0;
  getStatus(object, status, &done);
  if (done) return true;
  char log[512] = "";
  getLog(object, sizeof log, nullptr, log);
  AppendErrorLog(std::string("OpenGL refused the 2D ") + what + ": " + log);
  return false;
}

uint32_t CompileShader(uint32_t kind, const std::string& defines, const char* source) {
  const GLExtensionFunctions& gl = GLExtensions();
  const GLuint shader = gl.glCreateShader(kind);
  const char* parts[] = {defines.c_str(), source};
  gl.glShaderSource(shader, 2, parts, nullptr);
  gl.glCompileShader(shader);
  if (Succeeded(shader, GL_COMPILE_STATUS, gl.glGetShaderiv, gl.glGetShaderInfoLog, "shader"))
    return shader;
  gl.glDeleteShader(shader);
  return 0;
}

bool Link(uint32_t program) {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glBindAttribLocation(program, kPositionAttribute, "position");
  gl.glBindAttribLocation(program, kTexCoordAttribute, "texCoord");
  gl.glBindAttribLocation(program, kColourAttribute, "vertexColour");
  gl.glLinkProgram(program);
  return Succeeded(program, GL_LINK_STATUS, gl.glGetProgramiv, gl.glGetProgramInfoLog,
                   "shader program");
}

}  // namespace

ShaderProgram BuildShaderProgram(ShaderVariant variant) {
  const GLExtensionFunctions& gl = GLExtensions();
  const std::string defines = Defines(variant);
  const uint32_t vertex = CompileShader(GL_VERTEX_SHADER, defines, kVertexSource);
  const uint32_t fragment = CompileShader(GL_FRAGMENT_SHADER, defines, kFragmentSource);
  ShaderProgram program;
  if (vertex && fragment) {
    program.name = gl.glCreateProgram();
    gl.glAttachShader(program.name, vertex);
    gl.glAttachShader(program.name, fragment);
    if (!Link(program.name)) DeleteShaderProgram(program);
  }
  if (vertex) gl.glDeleteShader(vertex);  // kept by the program while it is attached
  if (fragment) gl.glDeleteShader(fragment);
  if (!program.name) {
    program.refused = true;
    return program;
  }
  program.projectionLocation = gl.glGetUniformLocation(program.name, "projection");
  program.colourLocation = gl.glGetUniformLocation(program.name, "colour");
  program.keyLocation = gl.glGetUniformLocation(program.name, "key");
  gl.glUseProgram(program.name);
  gl.glUniform1i(gl.glGetUniformLocation(program.name, "picture"), 0);
  return program;
}

void DeleteShaderProgram(ShaderProgram& program) {
  if (program.name) GLExtensions().glDeleteProgram(program.name);
  program = ShaderProgram{};
}

}  // namespace zentoir

// OpenGL extension entry points looked up by name, shared by the 2D and 3D drawing
// code. A null pointer means the function is not available.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

namespace zentoir {

// The entry points, each once as X(type, name), in groups by what makes them available.
// With GL_ARB_multitexture: multitexturing and vertex buffer objects.
#define ZENTOIR_GL_MULTITEXTURE(X)                             \
  X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)             \
  X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)         \
  X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTextureARB) \
  X(PFNGLGENBUFFERSARBPROC, glGenBuffersARB)                   \
  X(PFNGLBINDBUFFERARBPROC, glBindBufferARB)                   \
  X(PFNGLBUFFERDATAARBPROC, glBufferDataARB)                   \
  X(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB)             \
  X(PFNGLMAPBUFFERARBPROC, glMapBufferARB)                     \
  X(PFNGLUNMAPBUFFERARBPROC, glUnmapBufferARB)                 \
  X(PFNGLGETBUFFERPARAMETERIVARBPROC, glGetBufferParameterivARB)
// With GL_ARB_fragment_program: shader objects.
#define ZENTOIR_GL_SHADER_OBJECTS(X)                             \
  X(PFNGLCREATEPROGRAMOBJECTARBPROC, glCreateProgramObjectARB)   \
  X(PFNGLDELETEOBJECTARBPROC, glDeleteObjectARB)                 \
  X(PFNGLCREATESHADEROBJECTARBPROC, glCreateShaderObjectARB)     \
  X(PFNGLSHADERSOURCEARBPROC, glShaderSourceARB)                 \
  X(PFNGLCOMPILESHADERARBPROC, glCompileShaderARB)               \
  X(PFNGLGETOBJECTPARAMETERIVARBPROC, glGetObjectParameterivARB) \
  X(PFNGLATTACHOBJECTARBPROC, glAttachObjectARB)                 \
  X(PFNGLGETINFOLOGARBPROC, glGetInfoLogARB)                     \
  X(PFNGLLINKPROGRAMARBPROC, glLinkProgramARB)                   \
  X(PFNGLUSEPROGRAMOBJECTARBPROC, glUseProgramObjectARB)         \
  X(PFNGLGETUNIFORMLOCATIONARBPROC, glGetUniformLocationARB)     \
  X(PFNGLUNIFORM1FARBPROC, glUniform1fARB)                       \
  X(PFNGLUNIFORM1IARBPROC, glUniform1iARB)
// With OpenGL 2.0 (or OpenGL ES 2.0): shaders and vertex buffers, by their core names.
#define ZENTOIR_GL_SHADERS(X)                                      \
  X(PFNGLCREATESHADERPROC, glCreateShader)                         \
  X(PFNGLSHADERSOURCEPROC, glShaderSource)                         \
  X(PFNGLCOMPILESHADERPROC, glCompileShader)                       \
  X(PFNGLGETSHADERIVPROC, glGetShaderiv)                           \
  X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)                 \
  X(PFNGLDELETESHADERPROC, glDeleteShader)                         \
  X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                       \
  X(PFNGLATTACHSHADERPROC, glAttachShader)                         \
  X(PFNGLBINDATTRIBLOCATIONPROC, glBindAttribLocation)             \
  X(PFNGLLINKPROGRAMPROC, glLinkProgram)                           \
  X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                         \
  X(PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog)               \
  X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                       \
  X(PFNGLUSEPROGRAMPROC, glUseProgram)                             \
  X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)             \
  X(PFNGLUNIFORM1IPROC, glUniform1i)                               \
  X(PFNGLUNIFORM3FPROC, glUniform3f)                               \
  X(PFNGLUNIFORM4FPROC, glUniform4f)                               \
  X(PFNGLUNIFORMMATRIX4FVPROC, glUniformMatrix4fv)                 \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)   \
  X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, glDisableVertexAttribArray) \
  X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)           \
  X(PFNGLVERTEXATTRIB4FPROC, glVertexAttrib4f)                     \
  X(PFNGLGENBUFFERSPROC, glGenBuffers)                             \
  X(PFNGLBINDBUFFERPROC, glBindBuffer)                             \
  X(PFNGLBUFFERDATAPROC, glBufferData)                             \
  X(PFNGLDELETEBUFFERSPROC, glDeleteBuffers)
// Always looked up: framebuffer objects (offscreen screens, the scaled screen).
#define ZENTOIR_GL_FRAMEBUFFER_OBJECTS(X)                            \
  X(PFNGLBINDRENDERBUFFEREXTPROC, glBindRenderbufferEXT)             \
  X(PFNGLDELETERENDERBUFFERSEXTPROC, glDeleteRenderbuffersEXT)       \
  X(PFNGLGENRENDERBUFFERSEXTPROC, glGenRenderbuffersEXT)             \
  X(PFNGLRENDERBUFFERSTORAGEEXTPROC, glRenderbufferStorageEXT)       \
  X(PFNGLBINDFRAMEBUFFEREXTPROC, glBindFramebufferEXT)               \
  X(PFNGLDELETEFRAMEBUFFERSEXTPROC, glDeleteFramebuffersEXT)         \
  X(PFNGLGENFRAMEBUFFERSEXTPROC, glGenFramebuffersEXT)               \
  X(PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC, glCheckFramebufferStatusEXT) \
  X(PFNGLFRAMEBUFFERTEXTURE2DEXTPROC, glFramebufferTexture2DEXT)     \
  X(PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC, glFramebufferRenderbufferEXT)

#define ZENTOIR_GL_FIELD(type, name) type name = nullptr;
struct GLExtensionFunctions {
  ZENTOIR_GL_MULTITEXTURE(ZENTOIR_GL_FIELD)
  ZENTOIR_GL_SHADER_OBJECTS(ZENTOIR_GL_FIELD)
  ZENTOIR_GL_SHADERS(ZENTOIR_GL_FIELD)
  ZENTOIR_GL_FRAMEBUFFER_OBJECTS(ZENTOIR_GL_FIELD)
  bool embedded = false;  // the context is OpenGL ES or WebGL
};
#undef ZENTOIR_GL_FIELD

// The process-wide entry points.
GLExtensionFunctions& GLExtensions();

// Whether the context the entry points were looked up for is OpenGL ES or WebGL.
inline bool EmbeddedGL() {
  return GLExtensions().embedded;
}

// Whether every framebuffer-object entry point was found.
bool HasFramebufferObjects();

// Whether every shader and vertex-buffer entry point was found.
bool HasShaders();

// Looks the entry points up for the current context, by its extension string.
void LoadGLExtensionFunctions();

// The current context's extension string ("" without a context).
const char* CurrentGLExtensionString();
// The major version of the current context's OpenGL (or OpenGL ES); 0 without a context.
int CurrentGLMajorVersion();
// The current context's renderer name (null without a context).
const char* CurrentGLRendererName();

// Whether a space-separated extension list names the extension as a whole word: an
// occurrence counts only at the start or after a space, and only when the list ends or
// a space follows. An empty name is never present.
bool ExtensionListHas(const char* list, const char* name);

}  // namespace zentoir

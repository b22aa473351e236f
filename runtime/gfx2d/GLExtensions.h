// OpenGL extension entry points looked up by name, shared by the 2D and 3D drawing
// code. A null pointer means the function is not available.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

namespace zentoir {

struct GLExtensionFunctions {
  // With GL_ARB_multitexture: multitexturing and vertex buffer objects.
  PFNGLACTIVETEXTUREARBPROC glActiveTextureARB = nullptr;
  PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB = nullptr;
  PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB = nullptr;
  PFNGLGENBUFFERSARBPROC glGenBuffersARB = nullptr;
  PFNGLBINDBUFFERARBPROC glBindBufferARB = nullptr;
  PFNGLBUFFERDATAARBPROC glBufferDataARB = nullptr;
  PFNGLDELETEBUFFERSARBPROC glDeleteBuffersARB = nullptr;
  PFNGLMAPBUFFERARBPROC glMapBufferARB = nullptr;
  PFNGLUNMAPBUFFERARBPROC glUnmapBufferARB = nullptr;
  PFNGLGETBUFFERPARAMETERIVARBPROC glGetBufferParameterivARB = nullptr;
  // With GL_ARB_fragment_program: shader objects.
  PFNGLCREATEPROGRAMOBJECTARBPROC glCreateProgramObjectARB = nullptr;
  PFNGLDELETEOBJECTARBPROC glDeleteObjectARB = nullptr;
  PFNGLCREATESHADEROBJECTARBPROC glCreateShaderObjectARB = nullptr;
  PFNGLSHADERSOURCEARBPROC glShaderSourceARB = nullptr;
  PFNGLCOMPILESHADERARBPROC glCompileShaderARB = nullptr;
  PFNGLGETOBJECTPARAMETERIVARBPROC glGetObjectParameterivARB = nullptr;
  PFNGLATTACHOBJECTARBPROC glAttachObjectARB = nullptr;
  PFNGLGETINFOLOGARBPROC glGetInfoLogARB = nullptr;
  PFNGLLINKPROGRAMARBPROC glLinkProgramARB = nullptr;
  PFNGLUSEPROGRAMOBJECTARBPROC glUseProgramObjectARB = nullptr;
  PFNGLGETUNIFORMLOCATIONARBPROC glGetUniformLocationARB = nullptr;
  PFNGLUNIFORM1FARBPROC glUniform1fARB = nullptr;
  PFNGLUNIFORM1IARBPROC glUniform1iARB = nullptr;
  // Always looked up: framebuffer objects (offscreen screens).
  PFNGLBINDRENDERBUFFEREXTPROC glBindRenderbufferEXT = nullptr;
  PFNGLDELETERENDERBUFFERSEXTPROC glDeleteRenderbuffersEXT = nullptr;
  PFNGLGENRENDERBUFFERSEXTPROC glGenRenderbuffersEXT = nullptr;
  PFNGLRENDERBUFFERSTORAGEEXTPROC glRenderbufferStorageEXT = nullptr;
  PFNGLBINDFRAMEBUFFEREXTPROC glBindFramebufferEXT = nullptr;
  PFNGLDELETEFRAMEBUFFERSEXTPROC glDeleteFramebuffersEXT = nullptr;
  PFNGLGENFRAMEBUFFERSEXTPROC glGenFramebuffersEXT = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC glCheckFramebufferStatusEXT = nullptr;
  PFNGLFRAMEBUFFERTEXTURE2DEXTPROC glFramebufferTexture2DEXT = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC glFramebufferRenderbufferEXT = nullptr;
};

// The process-wide entry points.
GLExtensionFunctions& GLExtensions();

// Looks the entry points up for the current context, by its extension string.
void LoadGLExtensionFunctions();

// The current context's extension string ("" without a context).
const char* CurrentGLExtensionString();

// Whether a space-separated extension list names the extension as a whole word: an
// occurrence counts only at the start or after a space, and only when the list ends or
// a space follows. An empty name is never present.
bool ExtensionListHas(const char* list, const char* name);

}  // namespace zentoir

#include "gfx2d/GLExtensions.h"

#include <cstring>

#include "os/GLContext.h"

namespace zentoir {
namespace {

template <typename Function>
void Load(Function& function, const char* name) {
  function = reinterpret_cast<Function>(os::GLProcAddress(name));
}

void LoadMultitexture(GLExtensionFunctions& f) {
  Load(f.glActiveTextureARB, "glActiveTextureARB");
  Load(f.glMultiTexCoord2fARB, "glMultiTexCoord2fARB");
  Load(f.glClientActiveTextureARB, "glClientActiveTextureARB");
  Load(f.glGenBuffersARB, "glGenBuffersARB");
  Load(f.glBindBufferARB, "glBindBufferARB");
  Load(f.glBufferDataARB, "glBufferDataARB");
  Load(f.glDeleteBuffersARB, "glDeleteBuffersARB");
  Load(f.glMapBufferARB, "glMapBufferARB");
  Load(f.glUnmapBufferARB, "glUnmapBufferARB");
  Load(f.glGetBufferParameterivARB, "glGetBufferParameterivARB");
}

void LoadShaderObjects(GLExtensionFunctions& f) {
  Load(f.glCreateProgramObjectARB, "glCreateProgramObjectARB");
  Load(f.glDeleteObjectARB, "glDeleteObjectARB");
  Load(f.glCreateShaderObjectARB, "glCreateShaderObjectARB");
  Load(f.glShaderSourceARB, "glShaderSourceARB");
  Load(f.glCompileShaderARB, "glCompileShaderARB");
  Load(f.glGetObjectParameterivARB, "glGetObjectParameterivARB");
  Load(f.glAttachObjectARB, "glAttachObjectARB");
  Load(f.glGetInfoLogARB, "glGetInfoLogARB");
  Load(f.glLinkProgramARB, "glLinkProgramARB");
  Load(f.glUseProgramObjectARB, "glUseProgramObjectARB");
  Load(f.glGetUniformLocationARB, "glGetUniformLocationARB");
  Load(f.glUniform1fARB, "glUniform1fARB");
  Load(f.glUniform1iARB, "glUniform1iARB");
}

void LoadFramebufferObjects(GLExtensionFunctions& f) {
  Load(f.glBindRenderbufferEXT, "glBindRenderbufferEXT");
  Load(f.glDeleteRenderbuffersEXT, "glDeleteRenderbuffersEXT");
  Load(f.glGenRenderbuffersEXT, "glGenRenderbuffersEXT");
  Load(f.glRenderbufferStorageEXT, "glRenderbufferStorageEXT");
  Load(f.glBindFramebufferEXT, "glBindFramebufferEXT");
  Load(f.glDeleteFramebuffersEXT, "glDeleteFramebuffersEXT");
  Load(f.glGenFramebuffersEXT, "glGenFramebuffersEXT");
  Load(f.glCheckFramebufferStatusEXT, "glCheckFramebufferStatusEXT");
  Load(f.glFramebufferTexture2DEXT, "glFramebufferTexture2DEXT");
  Load(f.glFramebufferRenderbufferEXT, "glFramebufferRenderbufferEXT");
}

}  // namespace

GLExtensionFunctions& GLExtensions() {
  static GLExtensionFunctions functions;
  return functions;
}

const char* CurrentGLExtensionString() {
  const auto* list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return list ? list : "";
}

// The extension string is searched as a plain substring here: a function that is not
// there is looked up as null anyway.
void LoadGLExtensionFunctions() {
  GLExtensionFunctions& f = GLExtensions();
  const char* list = CurrentGLExtensionString();
  if (std::strstr(list, "GL_ARB_multitexture")) LoadMultitexture(f);
  if (std::strstr(list, "GL_ARB_fragment_program")) LoadShaderObjects(f);
  LoadFramebufferObjects(f);
}

bool ExtensionListHas(const char* list, const char* name) {
  if (!list || !name || !*name) return false;
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(list, name); at; at = std::strstr(at + 1, name)) {
    const bool startsWord = at == list || at[-1] == ' ';
    const bool endsWord = at[length] == '\0' || at[length] == ' ';
    if (startsWord && endsWord) return true;
  }
  return false;
}

}  // namespace zentoir

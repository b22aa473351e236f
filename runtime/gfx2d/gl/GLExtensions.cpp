#include "gfx2d/gl/GLExtensions.h"

#include <cstdlib>
#include <cstring>

#include "os/GLContext.h"

namespace zentoir {
namespace {

template <typename Function>
void Load(Function& function, const char* name) {
  function = reinterpret_cast<Function>(os::GLProcAddress(name));
}

#define ZENTOIR_GL_LOAD(type, name) Load(f.name, #name);

void LoadMultitexture(GLExtensionFunctions& f) {
  ZENTOIR_GL_MULTITEXTURE(ZENTOIR_GL_LOAD)
}

void LoadShaderObjects(GLExtensionFunctions& f) {
  ZENTOIR_GL_SHADER_OBJECTS(ZENTOIR_GL_LOAD)
}

void LoadShaders(GLExtensionFunctions& f) {
  ZENTOIR_GL_SHADERS(ZENTOIR_GL_LOAD)
}

void LoadFramebufferObjects(GLExtensionFunctions& f) {
  ZENTOIR_GL_FRAMEBUFFER_OBJECTS(ZENTOIR_GL_LOAD)
}

#undef ZENTOIR_GL_LOAD

}  // namespace

GLExtensionFunctions& GLExtensions() {
  static GLExtensionFunctions functions;
  return functions;
}

#define ZENTOIR_GL_REQUIRE(type, name) \
  if (!f.name) return false;

bool HasFramebufferObjects() {
  const GLExtensionFunctions& f = GLExtensions();
  ZENTOIR_GL_FRAMEBUFFER_OBJECTS(ZENTOIR_GL_REQUIRE)
  return true;
}

bool HasShaders() {
  const GLExtensionFunctions& f = GLExtensions();
  ZENTOIR_GL_SHADERS(ZENTOIR_GL_REQUIRE)
  return true;
}

#undef ZENTOIR_GL_REQUIRE

const char* CurrentGLExtensionString() {
  const auto* list = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return list ? list : "";
}

// "major.minor ..." on the desktop, "OpenGL ES major.minor ..." on ES and WebGL.
int CurrentGLMajorVersion() {
  const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  if (!version) return 0;
  while (*version && (*version < '0' || *version > '9'))
    ++version;
  return std::atoi(version);
}

const char* CurrentGLRendererName() {
  return reinterpret_cast<const char*>(glGetString(GL_RENDERER));
}

// The extension string is searched as a plain substring here: a function that is not
// there is looked up as null anyway.
void LoadGLExtensionFunctions() {
  GLExtensionFunctions& f = GLExtensions();
  const char* list = CurrentGLExtensionString();
  // Names of a version the context lacks may still be found, so they are not looked up.
  f = GLExtensionFunctions{};
  if (std::strstr(list, "GL_ARB_multitexture")) LoadMultitexture(f);
  if (std::strstr(list, "GL_ARB_fragment_program")) LoadShaderObjects(f);
  if (CurrentGLMajorVersion() >= 2) LoadShaders(f);
  LoadFramebufferObjects(f);
  f.embedded = os::CurrentContextIsEmbedded();
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

#include "gfx2d/gl/Framebuffers.h"

#include <span>

#include "gfx2d/gl/GLExtensions.h"

namespace zentoir {

bool MakeFramebuffer(uint32_t texture, int32_t w, int32_t h,
                     std::initializer_list<uint32_t> depthFormats, uint32_t& framebuffer,
                     uint32_t& renderbuffer) {
  const GLExtensionFunctions& gl = GLExtensions();
  GLuint names[2] = {0, 0};
  gl.glGenFramebuffersEXT(1, &names[0]);
  gl.glGenRenderbuffersEXT(1, &names[1]);
  framebuffer = names[0];
  renderbuffer = names[1];
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
  gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture,
                               0);
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, renderbuffer);
  bool complete = false;
  // 16-bit depth is the one depth format that OpenGL ES and WebGL always have.
  static const uint32_t embeddedDepth[] = {GL_DEPTH_COMPONENT16};
  const std::span<const uint32_t> formats =
      EmbeddedGL() ? std::span<const uint32_t>(embeddedDepth)
                   : std::span<const uint32_t>(depthFormats.begin(), depthFormats.size());
  for (GLenum format : formats) {
    gl.glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, format, w, h);
    gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT,
                                    GL_RENDERBUFFER_EXT, renderbuffer);
    gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_STENCIL_ATTACHMENT_EXT,
                                    GL_RENDERBUFFER_EXT,
                                    format == GL_DEPTH24_STENCIL8_EXT ? renderbuffer : 0);
    complete = gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
    if (complete) break;
  }
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
  return complete;
}

void BindFramebuffer(uint32_t framebuffer) {
  GLExtensions().glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
}

void BindFramebuffer(uint32_t framebuffer, uint32_t renderbuffer) {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, renderbuffer);
}

uint32_t BoundFramebuffer() {
  GLint bound = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &bound);
  return GLuint(bound);
}

void AttachToFramebuffer(uint32_t framebuffer, uint32_t texture, uint32_t renderbuffer) {
  const GLExtensionFunctions& gl = GLExtensions();
  gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
  gl.glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, renderbuffer);
  gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture,
                               0);
  gl.glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                  renderbuffer);
}

void DeleteFramebuffer(uint32_t& framebuffer, uint32_t& renderbuffer) {
  const GLExtensionFunctions& gl = GLExtensions();
  if (framebuffer != 0 && gl.glDeleteFramebuffersEXT) {
    const GLuint name = framebuffer;
    gl.glDeleteFramebuffersEXT(1, &name);
  }
  if (renderbuffer != 0 && gl.glDeleteRenderbuffersEXT) {
    const GLuint name = renderbuffer;
    gl.glDeleteRenderbuffersEXT(1, &name);
  }
  framebuffer = renderbuffer = 0;
}

}  // namespace zentoir

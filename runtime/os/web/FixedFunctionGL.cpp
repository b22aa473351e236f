// WebGL is OpenGL ES 2.0 and has none of the fixed-function pipeline's calls. The
// renderer draws through its shaders there and never reaches them, but its
// fixed-function back end (for desktop contexts without shaders) still names them; here
// they do nothing. Reading a texture's pixels back has no WebGL call either; the
// renderer reads textures through a framebuffer there.
#include <GL/gl.h>

extern "C" {

void glAlphaFunc(GLenum, GLclampf) {}
void glShadeModel(GLenum) {}
void glTexEnvi(GLenum, GLenum, GLint) {}
void glEnableClientState(GLenum) {}
void glDisableClientState(GLenum) {}
void glColorPointer(GLint, GLenum, GLsizei, const GLvoid*) {}
void glTexCoordPointer(GLint, GLenum, GLsizei, const GLvoid*) {}
void glColor4f(GLfloat, GLfloat, GLfloat, GLfloat) {}
void glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {}
void glPushMatrix() {}
void glPopMatrix() {}
void glTranslatef(GLfloat, GLfloat, GLfloat) {}

void glGetTexImage(GLenum, GLint, GLenum, GLenum, GLvoid*) {}
}

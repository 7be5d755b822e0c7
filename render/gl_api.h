// OpenGL entry points beyond 1.1, resolved by name once a context is current.
// Enum values and function pointer types come from the system's GL/glext.h.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glext.h>

#define VELTRANE_GL_FUNCTIONS(X)                                   \
  X(PFNGLCREATESHADERPROC, glCreateShader)                         \
  X(PFNGLSHADERSOURCEPROC, glShaderSource)                         \
  X(PFNGLCOMPILESHADERPROC, glCompileShader)                       \
  X(PFNGLGETSHADERIVPROC, glGetShaderiv)                           \
  X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)                 \
  X(PFNGLDELETESHADERPROC, glDeleteShader)                         \
  X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                       \
  X(PFNGLATTACHSHADERPROC, glAttachShader)                         \
  X(PFNGLLINKPROGRAMPROC, glLinkProgram)                           \
  X(PFNGLUSEPROGRAMPROC, glUseProgram)                             \
  X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)             \
  X(PFNGLGETATTRIBLOCATIONPROC, glGetAttribLocation)               \
  X(PFNGLUNIFORM1FPROC, glUniform1f)                               \
  X(PFNGLUNIFORMMATRIX4FVPROC, glUniformMatrix4fv)                 \
  X(PFNGLGENBUFFERSPROC, glGenBuffers)                             \
  X(PFNGLBINDBUFFERPROC, glBindBuffer)                             \
  X(PFNGLBUFFERDATAPROC, glBufferData)                             \
  X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)   \
  X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)           \
  X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)

#define VELTRANE_DECLARE_GL(type, name) extern type name;
VELTRANE_GL_FUNCTIONS(VELTRANE_DECLARE_GL)
#undef VELTRANE_DECLARE_GL

using GlProcLoader = void* (*)(const char* name);

// Resolves every entry point above through `loader` (entry points that are
// not found stay null), then reports whether the context claims at least
// OpenGL 3.0. The saver does not act on that answer.
bool loadGlFunctions(GlProcLoader loader);

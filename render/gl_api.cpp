// Storage and loading of the OpenGL entry points declared in gl_api.h.
#include "render/gl_api.h"

#define VELTRANE_DEFINE_GL(type, name) type name = nullptr;
VELTRANE_GL_FUNCTIONS(VELTRANE_DEFINE_GL)
#undef VELTRANE_DEFINE_GL

bool loadGlFunctions(GlProcLoader loader) {
#define VELTRANE_LOAD_GL(type, name) name = reinterpret_cast<type>(loader(#name));
  VELTRANE_GL_FUNCTIONS(VELTRANE_LOAD_GL)
#undef VELTRANE_LOAD_GL

  // A 2.x context knows neither enum and leaves the values at 0.
  GLint major = 0;
  GLint minor = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  glGetIntegerv(GL_MINOR_VERSION, &minor);
  return major >= 3;
}

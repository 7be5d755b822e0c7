// A linked shader program built from two TEXTFILE resources, with a cache of
// the uniform and attribute locations already asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "render/gl_api.h"

class GLFWProgram {
 public:
  // Room for the shader text plus the four zero bytes written after it.
  static constexpr std::size_t sourceCapacity = 32768;
  static constexpr std::size_t sourceBufferSize = sourceCapacity + 4;

  // Compiles and links; a shader that does not compile shows its log and
  // ends the process with exit code 0.
  GLFWProgram(std::uint16_t vertexResourceId, std::uint16_t fragmentResourceId);

  void use() const;

  // Locations come from GL once and from the cache after that, -1 included.
  // Uniform and attribute names share the cache.
  GLint uniformLocation(const char* name);
  GLint attribLocation(const char* name);

 private:
  // glGetUniformLocation or glGetAttribLocation.
  using LocationQuery = GLint(APIENTRY*)(GLuint program, const GLchar* name);

  GLint cachedLocation(const char* name, LocationQuery query);
  GLuint compileStage(GLenum stage, const char* const* source, const char* failureText);

  char* vertexSource_ = nullptr;
  char* fragmentSource_ = nullptr;
  GLuint vertexShader_ = 0;
  GLuint fragmentShader_ = 0;
  GLuint program_ = 0;
  std::map<std::string, GLint> locations_;
};

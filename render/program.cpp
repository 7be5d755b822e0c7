// GLFWProgram: compile, link, and the location cache.
#include "render/program.h"

#include <cstdlib>
#include <vector>

#include "app/user_message.h"
#include "render/text_resource.h"

GLFWProgram::GLFWProgram(std::uint16_t vertexResourceId, std::uint16_t fragmentResourceId) {
  vertexSource_ = new char[sourceBufferSize];
  fragmentSource_ = new char[sourceBufferSize];
  // A text that is missing or lost its end marker would reach the compiler cut
  // short or not at all; say so instead of drawing with half a shader.
  if (!TextResource::copyToMarker(vertexResourceId, vertexSource_, sourceCapacity) ||
      !TextResource::copyToMarker(fragmentResourceId, fragmentSource_, sourceCapacity)) {
    exitWithDebugMessage("Failed to load shader");
  }

  program_ = glCreateProgram();
  vertexShader_ = compileStage(GL_VERTEX_SHADER, &vertexSource_,
                               "Vertex shader compilation error");
  fragmentShader_ = compileStage(GL_FRAGMENT_SHADER, &fragmentSource_,
                                 "Fragment shader compilation error");
  glAttachShader(program_, vertexShader_);
  glAttachShader(program_, fragmentShader_);
  glLinkProgram(program_);
}

GLuint GLFWProgram::compileStage(GLenum stage, const char* const* source,
                                 const char* failureText) {
  const GLuint shader = glCreateShader(stage);
  glShaderSource(shader, 1, source, nullptr);
  glCompileShader(shader);
  GLint status = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status != 0) return shader;

  // The user sees the compiler's own words first, then which stage failed.
  GLint logLength = 0;
  glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &logLength);
  if (logLength < 0) logLength = 0;
  std::vector<char> log(static_cast<std::size_t>(logLength) + 1, '\0');
  glGetShaderInfoLog(shader, logLength, &logLength, log.data());
  showDebugMessage(log.data());
  showDebugMessage(failureText);
  glDeleteShader(shader);
  std::exit(0);
}

void GLFWProgram::use() const { glUseProgram(program_); }

GLint GLFWProgram::uniformLocation(const char* name) {
  return cachedLocation(name, glGetUniformLocation);
}

GLint GLFWProgram::attribLocation(const char* name) {
  return cachedLocation(name, glGetAttribLocation);
}

GLint GLFWProgram::cachedLocation(const char* name, LocationQuery query) {
  const std::string key(name);
  const auto found = locations_.find(key);
  if (found != locations_.end()) return found->second;
  const GLint location = query(program_, name);
  locations_.emplace(key, location);
  return location;
}

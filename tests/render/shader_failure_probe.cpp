// Runs the saver's scene set-up with the shader texts bound into this
// executable, reporting on standard output each shader compiled and whether a
// frame got drawn. A set-up that fails must end the process before that.
#include <windows.h>

#include <GLFW/glfw3.h>

#include <cstdio>

#include "app/scene.h"
#include "render/gl_api.h"
#include "tests/render/gl_test_window.h"

namespace {

PFNGLCOMPILESHADERPROC realCompileShader = nullptr;

void APIENTRY reportingCompileShader(GLuint shader) {
  GLint type = 0;
  glGetShaderiv(shader, GL_SHADER_TYPE, &type);
  std::printf("compiling %s shader\n", type == GL_VERTEX_SHADER ? "vertex" : "fragment");
  std::fflush(stdout);
  realCompileShader(shader);
}

}  // namespace

int main() {
  GLFWwindow* window = openTestWindow(64, 64);
  if (window == nullptr) {
    std::printf("no window\n");
    return 2;
  }
  realCompileShader = glCompileShader;
  glCompileShader = reportingCompileShader;
  setupScene();
  renderFrame();
  glfwSwapBuffers(window);
  std::printf("frame drawn\n");
  return 3;
}

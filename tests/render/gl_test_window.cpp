// Test window: GLFW window, GL entry points and pixel read-back.
#include "tests/render/gl_test_window.h"

#include <windows.h>

#include <GLFW/glfw3.h>

#include "app/drawing_size.h"
#include "render/gl_api.h"

namespace {
void* loadGlProc(const char* name) { return reinterpret_cast<void*>(glfwGetProcAddress(name)); }
}  // namespace

GLFWwindow* openTestWindow(int width, int height) {
  if (!glfwInit()) return nullptr;
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  glfwWindowHint(GLFW_DECORATED, GLFW_FALSE);
  glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
  glfwWindowHint(GLFW_SAMPLES, 0);
  GLFWwindow* window = glfwCreateWindow(width, height, "VeltraneRenderTest", nullptr, nullptr);
  if (window == nullptr) return nullptr;
  glfwSetWindowPos(window, 0, 0);
  glfwMakeContextCurrent(window);
  glfwSwapInterval(0);
  loadGlFunctions(loadGlProc);
  if (!resizeTestWindow(window, width, height)) return nullptr;
  return window;
}

bool resizeTestWindow(GLFWwindow* window, int width, int height) {
  glfwSetWindowSize(window, width, height);
  for (int attempt = 0; attempt < 200; ++attempt) {
    glfwPollEvents();
    int w = 0;
    int h = 0;
    glfwGetFramebufferSize(window, &w, &h);
    if (w == width && h == height) {
      setDrawingSize(width, height);
      return true;
    }
    Sleep(10);
  }
  return false;
}

std::vector<std::uint8_t> readBackBuffer(int width, int height) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
  glFinish();
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  return pixels;
}

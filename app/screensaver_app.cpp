// ScreensaverApp: GLFW start-up, the saver window, its callbacks and fixed GL state.
#include "app/screensaver_app.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include <GLFW/glfw3.h>

#include "app/preview_window.h"
#include "app/user_message.h"
#include "app/window_icon.h"
#include "render/gl_api.h"

ScreensaverApp* screensaverApp = nullptr;

namespace {

// Used when the primary monitor or its video mode cannot be had.
constexpr int fallbackWidth = 800;
constexpr int fallbackHeight = 600;

void onGlfwError(int /*code*/, const char* description) {
  showErrorMessage(description);
}

void onWindowSize(GLFWwindow* /*window*/, int width, int height) {
  setDrawingSize(width, height);
}

// Any key or mouse button ends the saver, pressed or released.
void onKey(GLFWwindow*, int, int, int, int) { std::exit(0); }
void onMouseButton(GLFWwindow*, int, int, int) { std::exit(0); }

// Moving the mouse or turning the wheel must not end it.
void onCursorPos(GLFWwindow*, double, double) {}
void onScroll(GLFWwindow*, double, double) {}

void* loadGlProc(const char* name) {
  return reinterpret_cast<void*>(glfwGetProcAddress(name));
}

void setWindowIcon(GLFWwindow* window) {
  std::vector<unsigned char> pixels(windowIconBytes);
  transposeIconTable(windowIconTable, pixels.data());
  GLFWimage image;
  image.width = windowIconSize;
  image.height = windowIconSize;
  image.pixels = pixels.data();
  glfwSetWindowIcon(window, 1, &image);
}

}  // namespace

int windowsVersion() {
  const DWORD version = GetVersion();
  const int major = LOBYTE(LOWORD(version));
  const int minor = HIBYTE(LOWORD(version));
  return major * 10 + minor;
}

int primaryMonitorSize(int selector) {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  if (monitor == nullptr) return 0;
  const GLFWvidmode* mode = glfwGetVideoMode(monitor);
  if (mode == nullptr) return 0;
  return selector == 0 ? mode->width : mode->height;
}

ScreensaverApp::ScreensaverApp(ScreensaverArgs* arguments) : args(arguments) {
  initGlfw();
  chooseWindowSize();
  openWindow();
  setGlState();
}

void ScreensaverApp::initGlfw() {
  glfwSetErrorCallback(onGlfwError);
  if (!glfwInit()) {
    // Nothing after this can work without GLFW: leave once the user has seen why.
    exitWithDebugMessage("Failed to initialize GLFW");
  }
}

void ScreensaverApp::chooseWindowSize() {
  int width = fallbackWidth;
  int height = fallbackHeight;
  if (args->mode == Preview) {
    RECT rect = {0, 0, 0, 0};
    GetClientRect(hostWindowHandle(*args), &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
  } else if (windowsVersion() >= 60) {
    const int monitorWidth = primaryMonitorSize(0);
    const int monitorHeight = primaryMonitorSize(1);
    if (monitorWidth > 0 && monitorHeight > 0) {
      width = monitorWidth;
      height = monitorHeight;
    }
  }
  setDrawingSize(width, height);
}

void ScreensaverApp::openWindow() {
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
  glfwWindowHint(GLFW_SAMPLES, 0);
  glfwWindowHint(GLFW_STEREO, GLFW_FALSE);

  if (args->mode == Preview) {
    window = openPreviewWindow(hostWindowHandle(*args));
  } else {
    window = glfwCreateWindow(windowWidth, windowHeight, "VeltraneScreensaver",
                              glfwGetPrimaryMonitor(), nullptr);
  }
  if (window == nullptr) {
    exitWithDebugMessage("Failed to open window");
  }

  glfwSetWindowSizeCallback(window, onWindowSize);
  glfwSetKeyCallback(window, onKey);
  glfwSetMouseButtonCallback(window, onMouseButton);
  glfwSetCursorPosCallback(window, onCursorPos);
  glfwSetScrollCallback(window, onScroll);

  glfwMakeContextCurrent(window);
  setWindowIcon(window);
  loadGlFunctions(loadGlProc);  // a pre-3.0 context is fine: the saver needs 2.0
}

void ScreensaverApp::setGlState() {
  glCullFace(GL_BACK);
  glFrontFace(GL_CW);
  glDisable(GL_MULTISAMPLE);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_POLYGON_SMOOTH);
  glfwSwapInterval(1);
  glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}

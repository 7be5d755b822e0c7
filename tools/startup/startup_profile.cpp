// Where the saver's start-up time goes: runs the real /s start-up path in
// phases and prints how long each took (run under Wine on a display).
#include <windows.h>

#include <cstdio>

#include <GLFW/glfw3.h>

#include "app/command_line.h"
#include "app/scene.h"
#include "app/screensaver_app.h"

namespace {

double nowMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  double last = nowMs();
  auto phase = [&last](const char* name) {
    const double now = nowMs();
    std::printf("%-28s %8.1f ms\n", name, now - last);
    last = now;
  };
  screensaverArgs = new ScreensaverArgs{Saver, 0};
  screensaverApp = new ScreensaverApp(screensaverArgs);
  phase("window and context");
  setupScene();
  glFinish();
  phase("scene set-up");
  for (int frame = 1; frame <= 4; ++frame) {
    updateFrame();
    glFinish();
    char name[32];
    std::snprintf(name, sizeof name, "frame %d drawn", frame);
    phase(name);
    glfwSwapBuffers(screensaverApp->window);
    glfwPollEvents();
    phase("  swap and poll");
  }
  return 0;
}

// runFrameLoop: builds the scene once, then one frame per vertical retrace.
#include "app/frame_loop.h"

#include <windows.h>

#include <GLFW/glfw3.h>

#include "app/preview_window.h"
#include "app/scene.h"
#include "app/screensaver_app.h"

bool frameLoopShouldStop() {
  GLFWwindow* window = screensaverApp->window;
  bool stop = false;
  if (glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) stop = true;
  if (glfwWindowShouldClose(window) == GLFW_TRUE) stop = true;
  // The settings dialog disables or destroys its preview window when the
  // preview is no longer wanted; a window that is gone answers false too.
  if (screensaverArgs->mode == Preview &&
      !IsWindowEnabled(hostWindowHandle(*screensaverArgs))) {
    stop = true;
  }
  return stop;
}

void runFrameLoop() {
  setupScene();
  bool running = true;
  while (running) {
    updateFrame();
    glfwSwapBuffers(screensaverApp->window);
    glfwPollEvents();  // a key or a mouse button ends the process in here
    running = !frameLoopShouldStop();
  }
}

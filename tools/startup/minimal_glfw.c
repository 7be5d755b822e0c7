/* The yardstick for the saver's start-up time: the least a GLFW program can
   do to show a full-screen frame (open a window on the primary monitor, clear
   it, swap), built with the same toolchain and GLFW as the saver. */
#include <GLFW/glfw3.h>

int main(void) {
  if (!glfwInit()) return 0;
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  const GLFWvidmode* mode = glfwGetVideoMode(monitor);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  GLFWwindow* window = glfwCreateWindow(mode->width, mode->height, "MinimalGlfw", monitor, NULL);
  if (!window) return 0;
  glfwMakeContextCurrent(window);
  glfwSwapInterval(1);
  while (!glfwWindowShouldClose(window) && glfwGetKey(window, GLFW_KEY_SPACE) == GLFW_RELEASE) {
    glClearColor(0.3f, 0.4f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glfwSwapBuffers(window);
    glfwPollEvents();
  }
  return 0;
}

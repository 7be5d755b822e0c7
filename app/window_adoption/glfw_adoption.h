// glfwAdoptNativeWindow: a GLFW window record around an existing Win32 window.
#ifndef GLFW_ADOPTION_H
#define GLFW_ADOPTION_H

#include <windows.h>

#include <GLFW/glfw3.h>

#ifdef __cplusplus
extern "C" {
#endif

// Builds a GLFW window record around the existing window `handle`: takes over
// its window procedure and creates the context on it, using the current window,
// framebuffer and context hints as glfwCreateWindow does. The window keeps its
// own class, size, style and visibility. `share` is a window whose context
// shares objects with the new one, or NULL.
//
// Returns NULL on failure, with the reason reported through the error
// callback. glfwDestroyWindow (and glfwTerminate) on the record put the
// window's own procedure back and leave the window itself alive.
GLFWAPI GLFWwindow* glfwAdoptNativeWindow(HWND handle, GLFWwindow* share);

#ifdef __cplusplus
}
#endif

#endif  // GLFW_ADOPTION_H

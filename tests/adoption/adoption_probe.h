// Test access to the parts of GLFW's window record that its API does not show.
#pragma once

#include <windows.h>

#include <GLFW/glfw3.h>

#ifdef __cplusplus
extern "C" {
#endif

int probeAttached(GLFWwindow* window);
WNDPROC probeOldWndProc(GLFWwindow* window);
int probeMaximized(GLFWwindow* window);
int probeIconified(GLFWwindow* window);
// The number of records in GLFW's window list.
int probeWindowCount(void);

#ifdef __cplusplus
}
#endif

// The preview: the saver drawn inside the screensaver settings' preview picture.
#pragma once

#include <windows.h>

#include "app/command_line.h"

struct GLFWwindow;

// The host's preview window named on the command line (handles are 32-bit
// values that Windows sign-extends).
inline HWND hostWindowHandle(const ScreensaverArgs& args) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(args.hostWindow));
}

// Opens the GLFW window that draws into the host's preview window, with the
// current window hints: a child window of our own covering the host's client
// area. When the host names no window or no context can be had, the process
// ends quietly with exit code 0, so this never returns null.
GLFWwindow* openPreviewWindow(HWND host);

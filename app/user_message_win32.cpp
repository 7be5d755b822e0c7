// Message boxes without an owner window, as the saver's failures are shown.
#include "app/user_message.h"

#include <windows.h>

#include <cstdlib>

#include <GLFW/glfw3.h>

void showDebugMessage(const char* text) {
  MessageBoxA(nullptr, text, "Debug", MB_ICONINFORMATION);
}

void showErrorMessage(const char* text) {
  MessageBoxA(nullptr, text, "Error", MB_ICONINFORMATION);
}

void exitWithDebugMessage(const char* text) {
  showDebugMessage(text);
  glfwTerminate();
  std::exit(0);
}

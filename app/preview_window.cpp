// The preview: our own child window inside the host's preview picture, adopted by GLFW.
#include "app/preview_window.h"

#include <cstdlib>

#include <GLFW/glfw3.h>

#include "glfw_adoption.h"

namespace {

constexpr const char* previewClassName = "VeltranePreview";

bool registerPreviewClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  // GLFW's WGL context keeps the device context it takes once with GetDC.
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = previewClassName;
  return RegisterClassA(&windowClass) != 0 ||
         GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The host's window belongs to the settings dialog's process, whose window
// procedure and pixel format we may not touch; a child of our own covering its
// client area is drawn into instead. It is disabled so that clicks and keys
// keep going to the dialog: a click on the picture must not end the preview.
HWND createPreviewChild(HWND host) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!registerPreviewClass(instance)) return nullptr;
  RECT client = {0, 0, 0, 0};
  GetClientRect(host, &client);
  const DWORD style =
      WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  return CreateWindowExA(0, previewClassName, "", style, 0, 0,
                         client.right - client.left, client.bottom - client.top,
                         host, nullptr, instance, nullptr);
}

// The preview lives inside the settings dialog: a failure there ends it
// without a box of our own (GLFW's error callback has already reported why).
[[noreturn]] void endPreviewQuietly() {
  glfwTerminate();
  std::exit(0);
}

}  // namespace

GLFWwindow* openPreviewWindow(HWND host) {
  if (!IsWindow(host)) endPreviewQuietly();  // nowhere to draw or to tell
  const HWND child = createPreviewChild(host);
  if (child == nullptr) endPreviewQuietly();  // the host went away meanwhile
  GLFWwindow* window = glfwAdoptNativeWindow(child, nullptr);
  if (window == nullptr) {
    DestroyWindow(child);
    endPreviewQuietly();
  }
  return window;
}

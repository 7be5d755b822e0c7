// The saver's one window and its OpenGL context.
#pragma once

#include <cstdint>

#include "app/command_line.h"
#include "app/drawing_size.h"

struct GLFWwindow;

class ScreensaverApp {
 public:
  // Initialises GLFW, chooses the drawing size, opens the window (full screen,
  // or inside the host's preview window) and leaves its context current.
  explicit ScreensaverApp(ScreensaverArgs* args);

  GLFWwindow* window = nullptr;
  ScreensaverArgs* args = nullptr;

 private:
  void initGlfw();
  void chooseWindowSize();
  void openWindow();
  void setGlState();
};

// The process-wide saver, set by the entry point; the frame loop reads its window.
extern ScreensaverApp* screensaverApp;

// Windows' version as major * 10 + minor (6.0 gives 60).
int windowsVersion();

// The primary monitor's current video mode: width for selector 0, height for 1.
// 0 when there is no monitor or no mode.
int primaryMonitorSize(int selector);

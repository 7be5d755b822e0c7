// The About window shown for the configure switch.
#pragma once

#include <windows.h>

class AboutWindow {
 public:
  // Builds and shows the window, runs its message loop and returns when it closes.
  AboutWindow(HINSTANCE instance, int showCommand);
};

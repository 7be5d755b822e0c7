// The About window shown for the configure switch.
#pragma once

#include <windows.h>

class AboutWindow {
 public:
  // Builds and shows the window, runs its message loop and returns when it closes.
  AboutWindow(HINSTANCE instance, int showCommand);

 private:
  const char* windowTitle;
  const char* windowClassName;
  const char* buttonClassName;  // kept for reference; the button uses the system "BUTTON" class
  const char* buttonCaption;
  const char* makerInfo;  // three lines separated by CR LF
  const char* heading;
};

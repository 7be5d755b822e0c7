// The launch switches of a Windows screensaver, read from the command line.
#pragma once

#include <cstdint>

enum ScreensaverMode : std::int32_t {
  Preview = 0,    // "/p <hwnd>": inside the settings dialog's preview picture
  Saver = 1,      // "/s": full screen
  Configure = 2,  // "/c": the About window
  Unset = 3,      // no recognised switch: full screen, single instance
};

struct ScreensaverArgs {
  ScreensaverMode mode = Unset;
  std::int32_t hostWindow = 0;  // the preview window's handle, read as a decimal number
};

// Reads the switches of a zero-terminated ANSI command line. Only the
// lower-case letters count; the last recognised switch decides the mode.
ScreensaverArgs parseCommandLine(const char* commandLine);

// The process-wide arguments, set once by the entry point.
extern ScreensaverArgs* screensaverArgs;

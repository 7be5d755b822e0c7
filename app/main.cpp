// Entry point of the screensaver: reads the switch and runs the chosen mode.
#include <windows.h>

#include "about/about_window.h"
#include "app/command_line.h"
#include "app/frame_loop.h"
#include "app/screensaver_app.h"
#include "app/single_instance.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine,
                   int showCommand) {
  screensaverArgs = new ScreensaverArgs(parseCommandLine(commandLine));
  const ScreensaverMode mode = screensaverArgs->mode;

  if ((mode == Preview || mode == Unset) && !isFirstInstance()) return 0;

  if (mode == Configure) {
    new AboutWindow(instance, showCommand);  // returns when the window is closed
    return 0;
  }

  screensaverApp = new ScreensaverApp(screensaverArgs);
  runFrameLoop();
  return 0;
}

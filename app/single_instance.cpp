// isFirstInstance: a named event that only exists to be seen by a second process.
#include "app/single_instance.h"

#include <windows.h>

bool isFirstInstance() {
  HANDLE marker = CreateEventW(nullptr, TRUE, FALSE, L"K_OPENGL_SCREENSAVER");
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(marker);
    return false;
  }
  // Any other failure is no reason to stop: this process counts as the first.
  return true;
}

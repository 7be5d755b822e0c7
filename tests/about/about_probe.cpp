// Test helper: reports what the About window of a running saver looks like to Windows.
//
//   about_probe wait <ms>    waits for a visible top-level window titled "About" and
//                            prints its facts, one per line; exit 1 on timeout
//   about_probe close        asks the window to close through its system menu (SC_CLOSE)
//
// Lines printed by "wait" (screen coordinates in physical pixels):
//   class <window class>
//   window <left> <top> <width> <height>        outer rectangle
//   client <left> <top> <width> <height>        client area
//   styles caption=<0|1> sysmenu=.. minimizebox=.. maximizebox=.. thickframe=.. owner=..
//   buttonface <r> <g> <b>                      the system colour of push buttons
//   control <class> <id> <left> <top> <width> <height> <text>   per child, client coordinates,
//                                                               CR and LF written as \r and \n
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND findAbout() {
  HWND window = FindWindowA(nullptr, "About");
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

HWND waitForAbout(int milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = findAbout()) return window;
    if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return nullptr;
    Sleep(20);
  }
}

std::string escaped(const char* text) {
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '\r') {
      out += "\\r";
    } else if (*c == '\n') {
      out += "\\n";
    } else {
      out += *c;
    }
  }
  return out;
}

BOOL CALLBACK printControl(HWND control, LPARAM parentValue) {
  HWND parent = reinterpret_cast<HWND>(parentValue);
  if (GetParent(control) != parent) return TRUE;  // only direct children
  char className[64] = {};
  char text[1024] = {};
  GetClassNameA(control, className, sizeof className);
  GetWindowTextA(control, text, sizeof text);
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  std::printf("control %s %d %ld %ld %ld %ld %s\n", className, GetDlgCtrlID(control), rect.left,
              rect.top, rect.right - rect.left, rect.bottom - rect.top, escaped(text).c_str());
  return TRUE;
}

int printFacts(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  std::printf("class %s\n", className);

  RECT outer;
  GetWindowRect(window, &outer);
  std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
              outer.bottom - outer.top);

  RECT client;
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);

  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  std::printf("styles caption=%d sysmenu=%d minimizebox=%d maximizebox=%d thickframe=%d owner=%d\n",
              (style & WS_CAPTION) == WS_CAPTION, (style & WS_SYSMENU) != 0,
              (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0,
              (style & WS_THICKFRAME) != 0, GetWindow(window, GW_OWNER) != nullptr);

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  std::printf("buttonface %d %d %d\n", GetRValue(face), GetGValue(face), GetBValue(face));

  EnumChildWindows(window, printControl, reinterpret_cast<LPARAM>(window));
  std::fflush(stdout);
  return 0;
}

int usage() {
  std::fprintf(stderr, "usage: about_probe wait <ms> | close\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Same measure as the window itself: physical pixels.
  SetProcessDPIAware();
  if (argc < 2) return usage();
  if (std::strcmp(argv[1], "wait") == 0 && argc == 3) {
    HWND window = waitForAbout(std::atoi(argv[2]));
    if (window == nullptr) {
      std::fprintf(stderr, "no About window\n");
      return 1;
    }
    Sleep(100);  // let the controls appear
    return printFacts(window);
  }
  if (std::strcmp(argv[1], "close") == 0) {
    HWND window = findAbout();
    if (window == nullptr) return 1;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  return usage();
}

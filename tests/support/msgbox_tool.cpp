// Test helper: finds the message boxes that a program under test shows.
//
//   msgbox_tool list                     prints "caption<TAB>text" for each visible box
//   msgbox_tool wait <caption> <ms>      waits for a box with that caption, prints
//                                        its text, presses its button; exit 1 on timeout
//   msgbox_tool none <ms>                exit 1 if any box appears within <ms>
//
// Message boxes are top-level windows of the dialog class "#32770"; their text
// is the static control 0xFFFF.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Box {
  HWND window;
  std::string caption;
  std::string text;
};

BOOL CALLBACK collectBox(HWND window, LPARAM out) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  char caption[512] = {};
  char text[4096] = {};
  GetWindowTextA(window, caption, sizeof caption);
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
  reinterpret_cast<std::vector<Box>*>(out)->push_back({window, caption, text});
  return TRUE;
}

std::vector<Box> visibleBoxes() {
  std::vector<Box> boxes;
  EnumWindows(collectBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

void pressButton(HWND box) {
  // A box with only an OK button has IDOK; fall back to the first button.
  HWND button = GetDlgItem(box, IDOK);
  if (button == nullptr) button = FindWindowExA(box, nullptr, "Button", nullptr);
  if (button != nullptr) {
    SendMessageA(button, BM_CLICK, 0, 0);
  } else {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
}

int usage() {
  std::fprintf(stderr, "usage: msgbox_tool list | wait <caption> <ms> | none <ms>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  if (command == "list") {
    for (const Box& box : visibleBoxes()) std::printf("%s\t%s\n", box.caption.c_str(), box.text.c_str());
    return 0;
  }
  if (command == "wait" && argc == 4) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atol(argv[3]));
    do {
      for (const Box& box : visibleBoxes()) {
        if (box.caption == argv[2]) {
          std::printf("%s", box.text.c_str());
          std::fflush(stdout);
          pressButton(box.window);
          return 0;
        }
      }
      Sleep(50);
    } while (static_cast<LONG>(deadline - GetTickCount()) > 0);
    return 1;
  }
  if (command == "none" && argc == 3) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::atol(argv[2]));
    do {
      std::vector<Box> boxes = visibleBoxes();
      if (!boxes.empty()) {
        std::printf("%s\t%s\n", boxes[0].caption.c_str(), boxes[0].text.c_str());
        return 1;
      }
      Sleep(50);
    } while (static_cast<LONG>(deadline - GetTickCount()) > 0);
    return 0;
  }
  return usage();
}

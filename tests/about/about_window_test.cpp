// The About window driven in-process: failure paths that a user cannot provoke from outside.
#include "about/about_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// Answers the message boxes of this process from a second thread; their texts
// land in `texts`, to be read once the answerer is gone.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::vector<std::string>& texts) : texts(texts), worker([this] { run(); }) {}
  ~BoxAnswerer() {
    stop = true;
    worker.join();
  }

 private:
  void run() {
    while (!stop) {
      HWND box = FindWindowA("#32770", "Error!");
      if (box != nullptr && IsWindowVisible(box)) {
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        texts.push_back(text);
        SendMessageA(box, WM_COMMAND, IDOK, 0);
        while (IsWindow(box)) Sleep(5);
      }
      Sleep(10);
    }
  }

  std::vector<std::string>& texts;
  std::atomic<bool> stop{false};
  std::thread worker;
};

LRESULT CALLBACK refuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return FALSE;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(AboutWindowFailure, FailedRegistrationAndCreationShowBothBoxesAndReturn) {
  // A class of the same name already taken, by a procedure that refuses every window.
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA taken = {};
  taken.lpfnWndProc = refuseCreation;
  taken.hInstance = instance;
  taken.lpszClassName = "OrvatekWindowClass";
  ASSERT_NE(RegisterClassA(&taken), 0);

  std::vector<std::string> boxes;
  {
    BoxAnswerer answerer(boxes);
    new AboutWindow(instance, SW_SHOWNORMAL);  // must come back: there is no window to close
  }
  EXPECT_EQ(boxes, (std::vector<std::string>{"Window Registration Failed!",
                                             "Window Creation Failed!"}));
  EXPECT_EQ(FindWindowA(nullptr, "About"), nullptr);
  UnregisterClassA("OrvatekWindowClass", instance);
}

TEST(AboutWindowFailure, MissingLogoResourcePaintsAndClosesNormally) {
  // This test program carries no bitmap 101: the window must still paint and close.
  std::thread closer([] {
    HWND window = nullptr;
    for (int i = 0; i < 1000 && window == nullptr; ++i) {
      Sleep(10);
      window = FindWindowA("OrvatekWindowClass", "About");
    }
    if (window == nullptr) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PostMessageA(window, WM_CLOSE, 0, 0);
  });
  new AboutWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
  closer.join();
  EXPECT_EQ(FindWindowA("OrvatekWindowClass", "About"), nullptr);
}

}  // namespace

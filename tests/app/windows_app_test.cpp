// In-process checks of the saver's Win32 edges under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <GLFW/glfw3.h>

#include "app/screensaver_app.h"
#include "app/single_instance.h"

namespace {

TEST(SingleInstance, FirstCallHoldsTheMarkerAndASecondIsRefused) {
  EXPECT_TRUE(isFirstInstance());
  // The marker stays held by this process, so any later test sees it.
  EXPECT_FALSE(isFirstInstance());
  HANDLE marker = OpenEventW(SYNCHRONIZE, FALSE, L"K_OPENGL_SCREENSAVER");
  EXPECT_NE(marker, nullptr);
  if (marker) CloseHandle(marker);
}

TEST(WindowsVersion, ComposesMajorAndMinor) {
  const DWORD version = GetVersion();
  EXPECT_EQ(windowsVersion(), LOBYTE(LOWORD(version)) * 10 + HIBYTE(LOWORD(version)));
  EXPECT_GE(windowsVersion(), 60);
}

TEST(PrimaryMonitorSize, IsTheScreensCurrentMode) {
  ASSERT_TRUE(glfwInit());
  EXPECT_EQ(primaryMonitorSize(0), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(primaryMonitorSize(1), GetSystemMetrics(SM_CYSCREEN));
  glfwTerminate();
  // Without GLFW there is no monitor: the size falls back instead of crashing.
  EXPECT_EQ(primaryMonitorSize(0), 0);
}

}  // namespace

// The saver's preview path run in-process on a host picture of our own: the
// child window it makes, the drawing size, and the smoke it draws there, read
// back with glReadPixels (a child window's GL drawing never reaches the screen
// under Wine, so a screenshot cannot show it).
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include "app/command_line.h"
#include "app/frame_loop.h"
#include "app/scene.h"
#include "app/screensaver_app.h"
#include "render/camera.h"
#include "tests/render/gl_test_window.h"
#include "tests/render/smoke_reference.h"

namespace {

constexpr int pictureWidth = 152;
constexpr int pictureHeight = 112;
// In 1/255 steps, as the full-window comparison of the smoke allows.
constexpr double pixelTolerance = 1.5;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window with a 152 x 112 picture, as the settings dialog has.
HWND makeHostPicture() {
  WNDCLASSA host = {};
  host.lpfnWndProc = hostProcedure;
  host.hInstance = GetModuleHandleA(nullptr);
  host.lpszClassName = "PreviewPixelsHost";
  RegisterClassA(&host);
  HWND top = CreateWindowExA(0, host.lpszClassName, "host", WS_POPUP | WS_VISIBLE, 50, 50, 300,
                             220, nullptr, nullptr, host.hInstance, nullptr);
  return CreateWindowExA(0, host.lpszClassName, "", WS_CHILD | WS_VISIBLE, 30, 20, pictureWidth,
                         pictureHeight, top, nullptr, host.hInstance, nullptr);
}

double largestDifference(const std::vector<std::uint8_t>& drawn,
                         const std::vector<double>& expected) {
  double largest = 0.0;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    largest = std::max(largest, std::fabs(drawn[i] - expected[i]));
  }
  return largest;
}

TEST(PreviewPath, DrawsTheSmokeIntoOurChildOfTheHostPicture) {
  HWND picture = makeHostPicture();
  ASSERT_NE(picture, nullptr);
  screensaverArgs = new ScreensaverArgs();
  screensaverArgs->mode = Preview;
  screensaverArgs->hostWindow = static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(picture));
  screensaverApp = new ScreensaverApp(screensaverArgs);
  ASSERT_NE(screensaverApp->window, nullptr);

  EXPECT_EQ(windowWidth, pictureWidth);
  EXPECT_EQ(windowHeight, pictureHeight);
  HWND child = glfwGetWin32Window(screensaverApp->window);
  EXPECT_EQ(GetParent(child), picture);
  EXPECT_FALSE(IsWindowEnabled(child));
  RECT client = {};
  GetClientRect(child, &client);
  EXPECT_EQ(client.right, pictureWidth);
  EXPECT_EQ(client.bottom, pictureHeight);

  setupScene();
  for (const float time : {3.75f, 42.0f}) {
    SCOPED_TRACE(testing::Message() << "T = " << time);
    shaderInputs->setTime(time);
    renderFrame();
    const std::vector<std::uint8_t> drawn = readBackBuffer(pictureWidth, pictureHeight);
    const double largest =
        largestDifference(drawn, smokeReferenceFrame(pictureWidth, pictureHeight, time));
    std::printf("preview %dx%d T=%.2f: largest %.3f/255\n", pictureWidth, pictureHeight, time,
                largest);
    EXPECT_LE(largest, pixelTolerance);
  }

  // A few ordinary passes, then the host disables its picture.
  for (int pass = 0; pass < 3; ++pass) {
    updateFrame();
    glfwSwapBuffers(screensaverApp->window);
    glfwPollEvents();
    EXPECT_FALSE(frameLoopShouldStop());
  }
  EnableWindow(picture, FALSE);
  EXPECT_TRUE(frameLoopShouldStop());
}

}  // namespace

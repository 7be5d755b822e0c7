// glfwAdoptNativeWindow: a GLFW record around a window GLFW did not create.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include "glfw_adoption.h"
#include "tests/adoption/adoption_probe.h"

namespace {

std::vector<int> errorCodes;
void recordError(int code, const char* /*description*/) { errorCodes.push_back(code); }

// Messages that reached the window's own procedure (not GLFW's).
int ownProcedureCalls = 0;

LRESULT CALLBACK ownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP || message == WM_CLOSE) ++ownProcedureCalls;
  return DefWindowProcA(window, message, wParam, lParam);
}

const char* const testClassName = "AdoptionTestWindow";

// The test windows are ANSI windows, as the saver's own are: the wide query
// answers with a conversion thunk, the ANSI one with the procedure itself.
WNDPROC currentProcedure(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// A window is handed back when it lives, runs its own procedure again and no
// longer carries GLFW's record.
void expectHandedBack(HWND window) {
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(currentProcedure(window), ownProcedure);
  EXPECT_EQ(GetPropW(window, L"GLFW"), nullptr);
  const int before = ownProcedureCalls;
  SendMessageA(window, WM_APP, 0, 0);
  EXPECT_EQ(ownProcedureCalls, before + 1);
}

class Adoption : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ownProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = testClassName;
    RegisterClassA(&windowClass);
  }

  void SetUp() override {
    errorCodes.clear();
    ownProcedureCalls = 0;
    glfwSetErrorCallback(recordError);
    ASSERT_TRUE(glfwInit());
  }

  void TearDown() override {
    glfwTerminate();
    for (HWND window : windows) {
      if (IsWindow(window)) DestroyWindow(window);
    }
  }

  HWND nativeWindow(DWORD style, DWORD exStyle = 0, HWND parent = nullptr) {
    HWND window = CreateWindowExA(exStyle, testClassName, "adoption test", style, 10, 10,
                                  160, 120, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    windows.push_back(window);
    return window;
  }

  std::vector<HWND> windows;
};

TEST_F(Adoption, CreatedWindowIsNotAttachedAndIsDestroyedWithItsRecord) {
  glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
  GLFWwindow* created = glfwCreateWindow(64, 64, "created", nullptr, nullptr);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(probeAttached(created), 0);
  HWND handle = glfwGetWin32Window(created);
  ASSERT_TRUE(IsWindow(handle));
  glfwDestroyWindow(created);
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(Adoption, AdoptedWindowRunsGlfwProcedureAndHasAWorkingContext) {
  HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const int recordsBefore = probeWindowCount();
  const auto procedureBefore = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle, GWLP_WNDPROC));
  GLFWwindow* adopted = glfwAdoptNativeWindow(handle, nullptr);
  ASSERT_NE(adopted, nullptr);

  EXPECT_EQ(probeWindowCount(), recordsBefore + 1);
  EXPECT_EQ(probeAttached(adopted), 1);
  EXPECT_EQ(probeOldWndProc(adopted), procedureBefore);
  EXPECT_EQ(glfwGetWin32Window(adopted), handle);
  EXPECT_EQ(GetPropW(handle, L"GLFW"), static_cast<void*>(adopted));
  EXPECT_NE(currentProcedure(handle), ownProcedure);
  SendMessageA(handle, WM_APP, 0, 0);
  EXPECT_EQ(ownProcedureCalls, 0) << "the former procedure must rest while adopted";

  glfwMakeContextCurrent(adopted);
  const GLubyte* version = glGetString(GL_VERSION);
  ASSERT_NE(version, nullptr);
  EXPECT_GE(reinterpret_cast<const char*>(version)[0], '2');
  EXPECT_TRUE(errorCodes.empty());
}

TEST_F(Adoption, DestroyingTheRecordHandsTheWindowBack) {
  HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const int recordsBefore = probeWindowCount();
  GLFWwindow* adopted = glfwAdoptNativeWindow(handle, nullptr);
  ASSERT_NE(adopted, nullptr);
  glfwMakeContextCurrent(adopted);
  glfwDestroyWindow(adopted);
  EXPECT_EQ(probeWindowCount(), recordsBefore);
  expectHandedBack(handle);
}

TEST_F(Adoption, TerminateHandsTheWindowBack) {
  HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_NE(glfwAdoptNativeWindow(handle, nullptr), nullptr);
  glfwTerminate();
  expectHandedBack(handle);
}

TEST_F(Adoption, CloseRequestSetsTheCloseFlagAndKeepsTheWindow) {
  HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  GLFWwindow* adopted = glfwAdoptNativeWindow(handle, nullptr);
  ASSERT_NE(adopted, nullptr);
  EXPECT_EQ(glfwWindowShouldClose(adopted), GLFW_FALSE);
  SendMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_EQ(glfwWindowShouldClose(adopted), GLFW_TRUE);
  EXPECT_TRUE(IsWindow(handle));
  EXPECT_EQ(ownProcedureCalls, 0);
}

TEST_F(Adoption, ResizableDecoratedAndFloatingComeFromTheStyles) {
  struct Case {
    const char* name;
    DWORD style;
    DWORD exStyle;
    bool child;
    int resizable, decorated, floating;
  };
  const Case cases[] = {
      {"overlapped window", WS_OVERLAPPEDWINDOW, 0, false, 1, 1, 0},
      {"caption without thick frame", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, false, 0, 1, 0},
      {"popup with thin border", WS_POPUP | WS_BORDER, 0, false, 0, 1, 0},
      // half of WS_CAPTION: not a border
      {"popup with dialog frame only", WS_POPUP | WS_DLGFRAME, 0, false, 0, 0, 0},
      {"popup with thick frame", WS_POPUP | WS_THICKFRAME, 0, false, 1, 1, 0},
      {"topmost popup", WS_POPUP, WS_EX_TOPMOST, false, 0, 0, 1},
      {"bare child window", WS_CHILD | WS_VISIBLE, 0, true, 0, 0, 0},
  };
  HWND parent = nativeWindow(WS_OVERLAPPEDWINDOW);
  glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);  // only the styles matter here
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND handle = nativeWindow(c.style, c.exStyle, c.child ? parent : nullptr);
    ASSERT_NE(handle, nullptr);
    GLFWwindow* adopted = glfwAdoptNativeWindow(handle, nullptr);
    ASSERT_NE(adopted, nullptr);
    EXPECT_EQ(glfwGetWindowAttrib(adopted, GLFW_RESIZABLE), c.resizable);
    EXPECT_EQ(glfwGetWindowAttrib(adopted, GLFW_DECORATED), c.decorated);
    EXPECT_EQ(glfwGetWindowAttrib(adopted, GLFW_FLOATING), c.floating);
    glfwDestroyWindow(adopted);
  }
}

TEST_F(Adoption, MaximisedAndMinimisedStateIsReadFromTheWindow) {
  struct Case {
    const char* name;
    int showCommand;
    int maximized, iconified;
  };
  const Case cases[] = {
      {"normal", SW_SHOWNORMAL, 0, 0},
      {"maximised", SW_SHOWMAXIMIZED, 1, 0},
      {"minimised", SW_SHOWMINIMIZED, 0, 1},
  };
  glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW);
    ShowWindow(handle, c.showCommand);
    ASSERT_EQ(IsZoomed(handle) != FALSE, c.maximized == 1);
    ASSERT_EQ(IsIconic(handle) != FALSE, c.iconified == 1);
    GLFWwindow* adopted = glfwAdoptNativeWindow(handle, nullptr);
    ASSERT_NE(adopted, nullptr);
    EXPECT_EQ(probeMaximized(adopted), c.maximized);
    EXPECT_EQ(probeIconified(adopted), c.iconified);
    glfwDestroyWindow(adopted);
  }
}

TEST(AdoptionBeforeInit, ReportsNotInitializedAndLeavesTheWindowAlone) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ownProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "AdoptionBeforeInitWindow";
  RegisterClassA(&windowClass);
  HWND handle = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0,
                                100, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(handle, nullptr);

  errorCodes.clear();
  glfwSetErrorCallback(recordError);
  EXPECT_EQ(glfwAdoptNativeWindow(handle, nullptr), nullptr);
  EXPECT_EQ(errorCodes, std::vector<int>{GLFW_NOT_INITIALIZED});
  EXPECT_EQ(currentProcedure(handle), ownProcedure);
  EXPECT_EQ(GetPropW(handle, L"GLFW"), nullptr);
  DestroyWindow(handle);
}

TEST_F(Adoption, ShareWithoutAContextIsRejected) {
  glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
  glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
  GLFWwindow* withoutContext = glfwCreateWindow(32, 32, "no context", nullptr, nullptr);
  glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_API);
  GLFWwindow* withContext = glfwCreateWindow(32, 32, "context", nullptr, nullptr);
  ASSERT_NE(withoutContext, nullptr);
  ASSERT_NE(withContext, nullptr);

  struct Case {
    const char* name;
    GLFWwindow* share;
    int clientApi;
  };
  const Case cases[] = {
      {"share window has no context", withoutContext, GLFW_OPENGL_API},
      {"no client API hinted", withContext, GLFW_NO_API},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW);
    const int recordsBefore = probeWindowCount();
    errorCodes.clear();
    glfwWindowHint(GLFW_CLIENT_API, c.clientApi);
    EXPECT_EQ(glfwAdoptNativeWindow(handle, c.share), nullptr);
    EXPECT_EQ(errorCodes, std::vector<int>{GLFW_NO_WINDOW_CONTEXT});
    EXPECT_EQ(probeWindowCount(), recordsBefore);
    EXPECT_EQ(currentProcedure(handle), ownProcedure);
  }
}

TEST_F(Adoption, FailedContextLeavesNoRecordAndTheWindowItsOwnProcedure) {
  struct Case {
    const char* name;
    int major, minor;
    int source;
    int expectedError;  // 0: whatever the context back-end reports
  };
  const Case cases[] = {
      // refused by the hint check before anything is allocated
      {"OpenGL version that does not exist", 2, 5, GLFW_NATIVE_CONTEXT_API, GLFW_INVALID_VALUE},
      {"unknown creation API", 2, 0, 0x12345, GLFW_INVALID_ENUM},
      // valid hints that no driver can satisfy: the record is made, then destroyed
      {"OpenGL version beyond any driver", 9, 0, GLFW_NATIVE_CONTEXT_API, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const int recordsBefore = probeWindowCount();
    errorCodes.clear();
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, c.major);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, c.minor);
    glfwWindowHint(GLFW_CONTEXT_CREATION_API, c.source);
    EXPECT_EQ(glfwAdoptNativeWindow(handle, nullptr), nullptr);
    ASSERT_FALSE(errorCodes.empty());
    if (c.expectedError != 0) EXPECT_EQ(errorCodes.front(), c.expectedError);
    EXPECT_EQ(probeWindowCount(), recordsBefore);
    expectHandedBack(handle);
  }
}

TEST_F(Adoption, WindowThatIsGoneFailsCleanly) {
  HWND handle = nativeWindow(WS_OVERLAPPEDWINDOW);
  DestroyWindow(handle);
  const int recordsBefore = probeWindowCount();
  EXPECT_EQ(glfwAdoptNativeWindow(handle, nullptr), nullptr);
  EXPECT_FALSE(errorCodes.empty());
  EXPECT_EQ(probeWindowCount(), recordsBefore);
}

}  // namespace

// The About window: heading, logo, maker lines and a button that opens the maker's website.
#include "about/about_window.h"

#include <shellapi.h>

#include "about/about_layout.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kFaceColour = RGB(177, 232, 179);
constexpr COLORREF kHeadingColour = RGB(0, 0, 0);
constexpr COLORREF kInfoColour = RGB(0, 51, 255);

// The info text and the button share an id: a static without SS_NOTIFY sends
// no commands, so a command with this id is always the button's click.
constexpr int kInfoTextId = 10;
constexpr int kHeadingId = 30;
constexpr int kWebsiteButtonId = 10;

constexpr int kLogoLeft = 142;
constexpr int kLogoTop = 55;

// Made during set-up, read by the window procedure.
HWND aboutWindow = nullptr;
HBITMAP logoBitmap = nullptr;
HWND infoText = nullptr;
HWND headingText = nullptr;
HWND websiteButton = nullptr;
HFONT bodyFont = nullptr;
HFONT headingFont = nullptr;
HBRUSH staticBrush = nullptr;  // made on the first message and kept for the process's life

void showSetupFailure(const char* text) {
  MessageBoxA(nullptr, text, "Error!", MB_ICONWARNING);
}

HFONT makeArialFont(int height, int width, int weight, bool underline) {
  return CreateFontA(height, width, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS,
                     CLEARTYPE_QUALITY, VARIABLE_PITCH, "Arial");
}

HMENU controlId(int id) {
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

HWND makeStaticText(HWND parent, int left, int top, int width, int height, int id,
                    const char* text, HFONT font) {
  // GWLP_HINSTANCE: the 64-bit form of GWL_HINSTANCE, which would cut the handle in half.
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  HWND control = CreateWindowExA(0, "static", nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, left,
                                 top, width, height, parent, controlId(id), instance, nullptr);
  SetWindowTextA(control, text);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return control;
}

AboutWindowPosition centredOnScreen() {
  // Physical pixels: without this, a scaled display would report a virtual size.
  SetProcessDPIAware();
  HDC screen = GetDC(nullptr);
  const int width = GetDeviceCaps(screen, HORZRES);
  const int height = GetDeviceCaps(screen, VERTRES);
  ReleaseDC(nullptr, screen);
  return aboutWindowPosition(width, height);
}

void paintAboutWindow(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);

  // The class brush is the system window colour; the face colour covers it here.
  RECT client;
  GetClientRect(window, &client);
  SetBkColor(dc, kFaceColour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);

  // Without a logo there is nothing to copy (and no size to read).
  if (logoBitmap != nullptr) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, logoBitmap);
    BITMAP logo = {};
    GetObjectA(logoBitmap, sizeof logo, &logo);
    BitBlt(dc, kLogoLeft, kLogoTop, logo.bmWidth, logo.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }

  EndPaint(window, &paint);
}

LRESULT CALLBACK aboutWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (staticBrush == nullptr) staticBrush = CreateSolidBrush(kFaceColour);

  switch (message) {
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      DeleteObject(logoBitmap);
      logoBitmap = nullptr;
      PostQuitMessage(0);
      return 0;
    case WM_PAINT:
      paintAboutWindow(window);
      return 0;
    case WM_COMMAND:
      // The whole wParam: id 10 with notification 0, the button's click.
      if (wParam == kWebsiteButtonId) {
        // A failure is not reported; the window simply stays open.
        ShellExecuteA(window, "open", kAboutWebsiteLink, nullptr, nullptr, SW_SHOWNORMAL);
      }
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const bool isHeading = reinterpret_cast<HWND>(lParam) == headingText;
      SetTextColor(dc, isHeading ? kHeadingColour : kInfoColour);
      SetBkColor(dc, kFaceColour);
      return reinterpret_cast<LRESULT>(staticBrush);
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

AboutWindow::AboutWindow(HINSTANCE instance, int showCommand)
    : windowTitle("About"),
      windowClassName("OrvatekWindowClass"),
      buttonClassName("OrvatekButtonClass"),
      buttonCaption("Visit website"),
      makerInfo(kAboutMakerInfo),
      heading("Veltrane Screensaver") {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  HANDLE classIcon = LoadImageA(user32, MAKEINTRESOURCEA(104), IMAGE_ICON, 16, 16, LR_SHARED);

  WNDCLASSA windowClass = {};
  windowClass.style = 0;
  windowClass.lpfnWndProc = aboutWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(classIcon);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = windowClassName;
  // On failure the creation below fails too and says so itself.
  if (RegisterClassA(&windowClass) == 0) showSetupFailure("Window Registration Failed!");

  const AboutWindowPosition position = centredOnScreen();
  aboutWindow = CreateWindowExA(0, windowClassName, windowTitle, WS_SYSMENU, position.x,
                                position.y, kAboutWindowWidth, kAboutWindowHeight, nullptr,
                                nullptr, instance, nullptr);
  if (aboutWindow == nullptr) {
    showSetupFailure("Window Creation Failed!");
    // No window means no quit message: a message loop here would never end.
    return;
  }

  logoBitmap = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_ABOUT_LOGO),
                                               IMAGE_BITMAP, 0, 0, LR_SHARED));
  bodyFont = makeArialFont(16, 6, FW_NORMAL, false);
  headingFont = makeArialFont(18, 8, FW_BOLD, true);

  infoText = makeStaticText(aboutWindow, 20, 150, 380, 80, kInfoTextId, makerInfo, bodyFont);
  headingText = makeStaticText(aboutWindow, 90, 20, 280, 20, kHeadingId, heading, headingFont);

  websiteButton = CreateWindowExA(0, "BUTTON", buttonCaption, WS_CHILD | WS_VISIBLE, 150, 210,
                                  100, 32, aboutWindow, controlId(kWebsiteButtonId), instance,
                                  nullptr);
  SendMessageA(websiteButton, WM_SETFONT, reinterpret_cast<WPARAM>(bodyFont), TRUE);

  ShowWindow(aboutWindow, showCommand);
  UpdateWindow(aboutWindow);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }

  // The window and its controls are gone by now, so nothing draws with the fonts any more.
  DeleteObject(headingFont);
  DeleteObject(bodyFont);
  headingFont = bodyFont = nullptr;
}

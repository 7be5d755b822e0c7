// Test host that behaves like the screensaver settings dialog: a top-level
// window with a 152 x 112 preview picture, driven line by line on stdin.
//
//   preview_host <saver.scr>
//
// Prints "picture <handle> <screen x> <screen y> <width> <height>" once ready,
// then answers one line per command:
//   start <arguments>   starts the saver ("{picture}" becomes the decimal handle)
//                       -> "started <id>"
//   wait <id> <ms>      -> "exit <code>" or "running"
//   kill <id>           -> "killed"
//   clicks              -> "clicks <left button presses the picture received>"
//   child               -> "child <class> <x> <y> <width> <height> <enabled>"
//                          of the picture's first child, or "child none"
//   picture             -> "picture <exists> <own procedure> <GLFW property>"
//   disable             disables the picture -> "done"
//   destroy             destroys the top-level window -> "done"
//   quit                -> "bye", then exits
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT commandMessage = WM_APP + 1;
constexpr int pictureWidth = 152;
constexpr int pictureHeight = 112;

std::string saverPath;
HWND topWindow = nullptr;
HWND picture = nullptr;
int pictureClicks = 0;
std::vector<HANDLE> processes;
std::vector<std::string*> deferredCommands;

LRESULT CALLBACK pictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) ++pictureClicks;
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK topProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void reply(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::string start(const std::string& arguments) {
  const std::string handle = std::to_string(reinterpret_cast<INT_PTR>(picture));
  std::string commandLine = "\"" + saverPath + "\" " + replaceAll(arguments, "{picture}", handle);
  // The saver's progress lines must not mix with our replies.
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &inheritable, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul;
  startup.hStdOutput = nul;
  startup.hStdError = nul;
  PROCESS_INFORMATION info = {};
  const BOOL started = CreateProcessA(saverPath.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                                      0, nullptr, nullptr, &startup, &info);
  CloseHandle(nul);
  if (!started) return "error " + std::to_string(GetLastError());
  CloseHandle(info.hThread);
  processes.push_back(info.hProcess);
  return "started " + std::to_string(processes.size() - 1);
}

HANDLE processById(const std::string& id) {
  const size_t index = std::strtoul(id.c_str(), nullptr, 10);
  return index < processes.size() ? processes[index] : nullptr;
}

// Waits for a process while still answering the saver's messages (its child
// window lives in our picture).
std::string waitFor(HANDLE process, DWORD milliseconds) {
  const DWORD deadline = GetTickCount() + milliseconds;
  for (;;) {
    const DWORD now = GetTickCount();
    const DWORD left = now < deadline ? deadline - now : 0;
    const DWORD result = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process, &code);
      return "exit " + std::to_string(code);
    }
    if (result != WAIT_OBJECT_0 + 1) return "running";
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == commandMessage) {  // waits its turn
        deferredCommands.push_back(reinterpret_cast<std::string*>(message.lParam));
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

std::string describeChild() {
  HWND child = IsWindow(picture) ? GetWindow(picture, GW_CHILD) : nullptr;
  if (child == nullptr) return "child none";
  char className[128] = {};
  GetClassNameA(child, className, sizeof className);
  RECT rect = {};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, picture, reinterpret_cast<POINT*>(&rect), 2);
  return std::string("child ") + className + " " + std::to_string(rect.left) + " " +
         std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) + " " +
         std::to_string(rect.bottom - rect.top) + " " + (IsWindowEnabled(child) ? "1" : "0");
}

std::string describePicture() {
  if (!IsWindow(picture)) return "picture 0 0 0";
  const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(picture, GWLP_WNDPROC));
  return std::string("picture 1 ") + (procedure == pictureProcedure ? "1" : "0") + " " +
         (GetPropW(picture, L"GLFW") != nullptr ? "1" : "0");
}

// Returns false when the host should end.
bool runCommand(const std::string& line) {
  const size_t space = line.find(' ');
  const std::string name = line.substr(0, space);
  const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
  if (name == "start") {
    reply(start(rest));
  } else if (name == "wait") {
    const size_t split = rest.find(' ');
    HANDLE process = processById(rest.substr(0, split));
    const DWORD ms = split == std::string::npos ? 0 : std::strtoul(rest.c_str() + split + 1, nullptr, 10);
    reply(process ? waitFor(process, ms) : "error no such process");
  } else if (name == "kill") {
    HANDLE process = processById(rest);
    if (process) TerminateProcess(process, 1);
    reply("killed");
  } else if (name == "clicks") {
    reply("clicks " + std::to_string(pictureClicks));
  } else if (name == "child") {
    reply(describeChild());
  } else if (name == "picture") {
    reply(describePicture());
  } else if (name == "disable") {
    EnableWindow(picture, FALSE);
    reply("done");
  } else if (name == "destroy") {
    DestroyWindow(topWindow);
    reply("done");
  } else if (name == "quit") {
    for (HANDLE process : processes) TerminateProcess(process, 1);
    reply("bye");
    return false;
  } else {
    reply("error unknown command");
  }
  return true;
}

void readCommands(DWORD mainThread) {
  std::string line;
  while (std::getline(std::cin, line)) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    PostThreadMessageA(mainThread, commandMessage, 0, reinterpret_cast<LPARAM>(new std::string(line)));
  }
  PostThreadMessageA(mainThread, commandMessage, 0, reinterpret_cast<LPARAM>(new std::string("quit")));
}

HWND makeWindows() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA top = {};
  top.lpfnWndProc = topProcedure;
  top.hInstance = instance;
  top.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  top.lpszClassName = "PreviewHostDialog";
  RegisterClassA(&top);
  WNDCLASSA pictureClass = {};
  pictureClass.lpfnWndProc = pictureProcedure;
  pictureClass.hInstance = instance;
  pictureClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  pictureClass.lpszClassName = "PreviewHostPicture";
  RegisterClassA(&pictureClass);

  topWindow = CreateWindowExA(0, top.lpszClassName, "Preview Host", WS_POPUP | WS_VISIBLE, 100, 100,
                              320, 240, nullptr, nullptr, instance, nullptr);
  return CreateWindowExA(0, pictureClass.lpszClassName, "", WS_CHILD | WS_VISIBLE, 40, 30,
                         pictureWidth, pictureHeight, topWindow, nullptr, instance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: preview_host <saver.scr>\n");
    return 2;
  }
  saverPath = argv[1];
  picture = makeWindows();
  if (picture == nullptr) {
    std::fprintf(stderr, "could not create the host windows\n");
    return 1;
  }
  POINT origin = {0, 0};
  ClientToScreen(picture, &origin);
  reply("picture " + std::to_string(reinterpret_cast<INT_PTR>(picture)) + " " +
        std::to_string(origin.x) + " " + std::to_string(origin.y) + " " +
        std::to_string(pictureWidth) + " " + std::to_string(pictureHeight));

  std::thread reader(readCommands, GetCurrentThreadId());
  reader.detach();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == commandMessage) {
      deferredCommands.push_back(reinterpret_cast<std::string*>(message.lParam));
      bool goOn = true;
      while (goOn && !deferredCommands.empty()) {
        std::string* line = deferredCommands.front();
        deferredCommands.erase(deferredCommands.begin());
        goOn = runCommand(*line);
        delete line;
      }
      if (!goOn) break;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  std::_Exit(0);  // the reader thread may still be blocked on stdin
}

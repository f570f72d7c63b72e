// Starts tips.exe and looks at it from outside, for the shell tests of its starts:
//   tips_probe start COMMAND_LINE          starts the command line as given; prints the process id
//   tips_probe run COMMAND_LINE            starts it, waits for its end; prints its exit code
//   tips_probe wait PID                    waits for the process to end; prints its exit code
//   tips_probe stop PID FILE_NAME          ends the process if it still runs the program FILE_NAME
//                                          (process ids are reused once a process has ended)
//   tips_probe window TITLE STATE          waits for a top-level window of that title in the state
//                                          "visible" or "hidden"; prints the state of the first
//                                          and how many there are
//   tips_probe no-window TITLE             prints how many windows of that title there are now
//   tips_probe close TITLE                 asks the window to close (WM_CLOSE)
//   tips_probe pid-of TITLE                prints the process id of the window's process
//   tips_probe tray TITLE MOUSE_MESSAGE    sends the tray icon's callback message with the mouse
//                                          message number to the message windows of TITLE's process
//   tips_probe tick TITLE                  ticks every timer of TITLE's process once
//   tips_probe menu KEY...                 waits for a shown pop-up menu and presses the keys
//                                          ("up", "down", "return") in it
//   tips_probe message-box CAPTION         waits for a message box of that caption; prints its
//                                          text (UTF-8) and presses its button
// Titles and texts are UTF-8. Waits give up after 20 seconds with exit code 1.
#include "classlib/desktop/Win32.h"
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "classlib/core/TextCodec.h"

namespace {

constexpr DWORD kWaitMs = 20000;

struct TWindowSearch {
  const wchar_t* ClassName;
  std::wstring Title;
  DWORD Process;
  std::vector<HWND> Found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TWindowSearch*>(data);
  wchar_t text[512] = {}, name[256] = {};
  GetWindowTextW(window, text, 512);
  GetClassNameW(window, name, 256);
  if (search.Title == text && (!search.ClassName || lstrcmpW(search.ClassName, name) == 0))
    search.Found.push_back(window);
  return TRUE;
}

BOOL CALLBACK MatchMessageWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TWindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  if (process == search.Process && lstrcmpW(name, L"TUtilWindow") == 0) search.Found.push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows(const wchar_t* className, const std::wstring& title) {
  TWindowSearch search{className, title, 0, {}};
  EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

std::vector<HWND> WaitForWindows(const wchar_t* className, const std::wstring& title, int visible = -1) {
  const DWORD start = GetTickCount();
  for (;;) {
    auto found = TopLevelWindows(className, title);
    if (!found.empty() && (visible < 0 || bool(IsWindowVisible(found[0])) == bool(visible))) return found;
    if (GetTickCount() - start > kWaitMs) return found;
    Sleep(50);
  }
}

// The message windows (timers, tray icon, menus) of the process that owns the window.
std::vector<HWND> MessageWindowsOf(HWND window) {
  TWindowSearch search{nullptr, {}, 0, {}};
  GetWindowThreadProcessId(window, &search.Process);
  EnumWindows(&MatchMessageWindow, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HANDLE Start(const std::wstring& commandLine, DWORD& processId) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  processId = process.dwProcessId;
  return process.hProcess;
}

int WaitAndPrintExitCode(HANDLE process) {
  if (WaitForSingleObject(process, kWaitMs) != WAIT_OBJECT_0) {
    std::printf("still running\n");
    return 1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  std::printf("%lu\n", static_cast<unsigned long>(code));
  return 0;
}

HWND WaitForShownMenu() {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu && IsWindowVisible(menu)) return menu;
    if (GetTickCount() - start > kWaitMs) return nullptr;
    Sleep(50);
  }
}

int PressKeys(LPWSTR* keys, int count) {
  HWND menu = WaitForShownMenu();
  if (!menu) return 1;
  for (int i = 0; i < count; ++i) {
    const std::wstring key = keys[i];
    const WPARAM code = key == L"up" ? VK_UP : key == L"down" ? VK_DOWN : key == L"return" ? VK_RETURN : 0;
    if (!code) return 2;
    PostMessageW(menu, WM_KEYDOWN, code, 1);
    PostMessageW(menu, WM_KEYUP, code, 0xC0000001);
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr, "usage: tips_probe start|run|wait|window|no-window|close|pid-of|tray|tick|menu|message-box ...\n");
  return 2;
}

}  // namespace

int main() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 3) return Usage();
  const std::wstring command = arguments[1], target = arguments[2];
  if (command == L"menu") return PressKeys(arguments + 2, count - 2);
  DWORD processId = 0;
  if (command == L"start" || command == L"run") {
    HANDLE process = Start(target, processId);
    if (!process) return 1;
    if (command == L"run") return WaitAndPrintExitCode(process);
    std::printf("%lu\n", static_cast<unsigned long>(processId));
    CloseHandle(process);
    return 0;
  }
  if (command == L"wait") {
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, DWORD(_wtoi(target.c_str())));
    return process ? WaitAndPrintExitCode(process) : 1;
  }
  if (command == L"stop" && count == 4) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                 DWORD(_wtoi(target.c_str())));
    if (!process) return 0;
    wchar_t image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const std::wstring name = arguments[3];
    if (QueryFullProcessImageNameW(process, 0, image, &size) && size >= name.size() &&
        lstrcmpiW(image + size - name.size(), name.c_str()) == 0)
      TerminateProcess(process, 1);
    CloseHandle(process);
    return 0;
  }
  if (command == L"no-window") {
    std::printf("%zu\n", TopLevelWindows(nullptr, target).size());
    return 0;
  }
  if (command == L"message-box") {
    const auto boxes = WaitForWindows(L"#32770", target);
    if (boxes.empty()) return 1;
    // The text is the dialog's static control; the button answers it.
    wchar_t text[1024] = {};
    for (HWND child = GetWindow(boxes[0], GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t name[64] = {};
      GetClassNameW(child, name, 64);
      if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextLengthW(child) > 0) GetWindowTextW(child, text, 1024);
    }
    std::printf("%s\n", Utf16ToUtf8(text).c_str());
    PostMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    return 0;
  }
  const int visible = command == L"window" && count == 4 ? std::wstring(arguments[3]) == L"visible" : -1;
  const auto windows = WaitForWindows(nullptr, target, visible);
  if (windows.empty()) return 1;
  if (command == L"window") {
    std::printf("%s %zu\n", IsWindowVisible(windows[0]) ? "visible" : "hidden", windows.size());
  } else if (command == L"close") {
    PostMessageW(windows[0], WM_CLOSE, 0, 0);
  } else if (command == L"pid-of") {
    DWORD process = 0;
    GetWindowThreadProcessId(windows[0], &process);
    std::printf("%lu\n", static_cast<unsigned long>(process));
  } else if (command == L"tray" && count == 4) {
    const UINT notify = RegisterWindowMessageW(L"TrayIconNotify");
    for (HWND window : MessageWindowsOf(windows[0])) PostMessageW(window, notify, 0, LPARAM(_wtoi(arguments[3])));
  } else if (command == L"tick") {
    for (HWND window : MessageWindowsOf(windows[0])) PostMessageW(window, WM_TIMER, 1, 0);
  } else {
    return Usage();
  }
  return 0;
}

// update_window_bench: the update message window's costs.
//   update_window_bench load
//       prints "style MS": milliseconds to load the default style from the program's resource (mean
//       of 20 loads), and "form MS": milliseconds to create TfrmMsg from its form resource
//       (streaming and FormCreate) once, as up does in a fresh process. (Under Wine a second
//       creation in one process waits 2 s: hiding the then visible application window waits for a
//       window manager, which Xvfb lacks.)
//   update_window_bench start PROGRAM X Y RRGGBB
//       starts PROGRAM and prints "on-screen MS": milliseconds from the process's creation until
//       the screen pixel at (X, Y) shows the colour (polled about every millisecond), then closes
//       the program's message window and waits for the program to end.
#include "classlib/desktop/Win32.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "classlib/desktop/Application.h"
#include "engine/tree/Object.h"
#include "engine/styles/Style.h"
#include "toolkit/Toolkit.h"
#include "up/untMsg.h"

namespace {

constexpr int kStyleLoads = 20;

template <class F>
double Milliseconds(F&& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int Load() {
  TvgToolkit toolkit;
  Application->Initialize();
  bool loaded = true;
  double styleTotal = 0;
  for (int run = 0; run < kStyleLoads; ++run)
    styleTotal += Milliseconds([&] {
      TvgObject* style = vgLoadStyleResource("DEFAULTVGSTYLE");
      loaded &= style != nullptr;
      if (style) style->Free();
    });
  if (!loaded) {
    std::fprintf(stderr, "the default style does not load\n");
    return 1;
  }
  UpdateNotes = "Kest 1.0.1.0:\n1. Faster page loading\n2. Safer downloads\n3. Smaller memory use";
  TfrmMsg* form = nullptr;
  const double creation = Milliseconds([&] { form = TCustomForm::Create<TfrmMsg>(nullptr); });
  form->Free();
  std::printf("style %.3f\nform %.3f\n", styleTotal / kStyleLoads, creation);
  return 0;
}

double MillisecondsSince(const FILETIME& creation) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(now) - ticks(creation)) / 10000.0;
}

unsigned long ScreenPixel(HDC screen, int x, int y) {
  const COLORREF pixel = GetPixel(screen, x, y);
  return (GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel);
}

BOOL CALLBACK CloseMessageWindow(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16];
  if (owner == DWORD(processId) && GetClassNameA(window, className, sizeof className) &&
      std::string(className) == "TfrmMsg")
    PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

int Start(const std::string& program, int x, int y, unsigned long colour) {
  HDC screen = GetDC(nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = "\"" + program + "\"";
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    return 1;
  }
  FILETIME creation, exit, kernel, user;
  GetProcessTimes(process.hProcess, &creation, &exit, &kernel, &user);
  bool seen = false;
  double onScreen = 0;
  while (!seen && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT && MillisecondsSince(creation) < 60000) {
    seen = ScreenPixel(screen, x, y) == colour;
    if (seen) onScreen = MillisecondsSince(creation);
    else Sleep(1);
  }
  ReleaseDC(nullptr, screen);
  EnumWindows(CloseMessageWindow, LPARAM(process.dwProcessId));
  if (WaitForSingleObject(process.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!seen) {
    std::fprintf(stderr, "%s showed no window\n", program.c_str());
    return 1;
  }
  std::printf("on-screen %.1f\n", onScreen);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "load" && argc == 2) return Load();
  if (mode == "start" && argc == 6)
    return Start(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::strtoul(argv[5], nullptr, 16));
  std::fprintf(stderr, "usage: update_window_bench load | start PROGRAM X Y RRGGBB\n");
  return 2;
}

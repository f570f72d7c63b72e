// update_window: what the end-to-end tests of up need to see of its message window (class TfrmMsg)
// and of the screen, from inside Wine. PROGRAM names the up.exe whose window is meant (tests run
// several at once, each its own copy).
//   update_window shown PROGRAM MS     waits up to MS for the window to be visible; prints "shown L T W H"
//   update_window hidden PROGRAM MS    waits up to MS for no visible window; prints "hidden"
//   update_window close PROGRAM        asks the window to close (WM_CLOSE)
//   update_window sample PROGRAM X Y MS  reads the screen pixel at (X, Y) for MS; prints "T RRGGBB" at
//                                   each change, "T covered" while another window lies over the point
//   update_window until X Y RRGGBB MS  waits up to MS for the screen pixel at (X, Y) to show that colour
// Exit code 0 when the condition was met, 1 when not, 2 on a usage error.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string program;  // the full path of the up.exe meant

std::string ProcessImage(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  char path[MAX_PATH];
  DWORD length = MAX_PATH;
  const bool named = QueryFullProcessImageNameA(process, 0, path, &length);
  CloseHandle(process);
  return named ? std::string(path, length) : std::string();
}

BOOL CALLBACK FindMessageWindow(HWND window, LPARAM found) {
  char className[16];
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (GetClassNameA(window, className, sizeof className) && std::string(className) == "TfrmMsg" &&
      lstrcmpiA(ProcessImage(processId).c_str(), program.c_str()) == 0) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND MessageWindow() {
  HWND found = nullptr;
  EnumWindows(FindMessageWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool Visible() {
  const HWND window = MessageWindow();
  return window && IsWindowVisible(window);
}

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

template <class Condition>
bool WaitFor(double ms, Condition condition) {
  const double end = NowMs() + ms;
  while (!condition()) {
    if (NowMs() > end) return false;
    Sleep(1);
  }
  return true;
}

// The pixel as RRGGBB.
unsigned long ScreenPixel(HDC screen, int x, int y) {
  const COLORREF pixel = GetPixel(screen, x, y);
  return (GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel);
}

int Shown(double ms) {
  if (!WaitFor(ms, Visible)) {
    std::puts("none");
    return 1;
  }
  RECT r;
  GetWindowRect(MessageWindow(), &r);
  std::printf("shown %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

int Hidden(double ms) {
  if (!WaitFor(ms, [] { return !Visible(); })) return 1;
  std::puts("hidden");
  return 0;
}

int Close() {
  const HWND window = MessageWindow();
  return window && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

// Other programs' windows on the shared display may pass over the point.
int Sample(int x, int y, double ms) {
  HDC screen = GetDC(nullptr);
  const HWND window = MessageWindow();
  const double start = NowMs();
  unsigned long last = 0x1000000;  // no colour yet
  const unsigned long covered = 0x2000000;
  while (NowMs() - start < ms) {
    const bool ours = window && GetAncestor(WindowFromPoint(POINT{x, y}), GA_ROOT) == window;
    const unsigned long pixel = ours ? ScreenPixel(screen, x, y) : covered;
    if (pixel == covered && last != covered) std::printf("%.1f covered\n", NowMs() - start);
    else if (pixel != last && pixel != covered) std::printf("%.1f %06lX\n", NowMs() - start, pixel);
    if (pixel != last) std::fflush(stdout);  // the test moves the pointer once it reads the first sample
    last = pixel;
  }
  ReleaseDC(nullptr, screen);
  return 0;
}

int Until(int x, int y, unsigned long colour, double ms) {
  HDC screen = GetDC(nullptr);
  const bool seen = WaitFor(ms, [&] { return ScreenPixel(screen, x, y) == colour; });
  ReleaseDC(nullptr, screen);
  return seen ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  auto number = [&](int index) { return index < argc ? std::strtod(argv[index], nullptr) : 0.0; };
  auto forProgram = [&](int count) {
    if (argc != count) return false;
    char full[MAX_PATH];
    program = GetFullPathNameA(argv[2], MAX_PATH, full, nullptr) ? full : argv[2];
    return true;
  };
  if (command == "shown" && forProgram(4)) return Shown(number(3));
  if (command == "hidden" && forProgram(4)) return Hidden(number(3));
  if (command == "close" && forProgram(3)) return Close();
  if (command == "sample" && forProgram(6)) return Sample(int(number(3)), int(number(4)), number(5));
  if (command == "until" && argc == 6)
    return Until(int(number(2)), int(number(3)), std::strtoul(argv[4], nullptr, 16), number(5));
  std::fprintf(stderr, "usage: update_window shown PROGRAM MS | hidden PROGRAM MS | close PROGRAM\n"
                       "                     | sample PROGRAM X Y MS | until X Y RRGGBB MS\n");
  return 2;
}

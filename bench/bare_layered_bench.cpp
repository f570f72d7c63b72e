// bare_layered_bench: the yardstick of the layered-window benchmarks, a plain Win32 program
// without the toolkit. It makes a 474 x 408 per-pixel transparent window, fills a 32-bit DIB with
// an opaque card inside a transparent margin and hands it to UpdateLayeredWindow.
//   bare_layered_bench          prints "on-screen MS": milliseconds from process creation until then.
//   bare_layered_bench update   then changes a 10 x 10 block of the buffer and hands the whole
//                               buffer over again, many times, and prints "update MEAN MEDIAN":
//                               milliseconds per update, the least any layered scene of that size
//                               spends on a change here.
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kWidth = 474, kHeight = 408;
constexpr int kUpdates = 400;

double MillisecondsSinceProcessStart() {
  FILETIME creation, exit, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(now) - ticks(creation)) / 10000.0;
}

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct TLayered {
  HWND window;
  HDC dc;
  uint32_t* pixels;

  void Update() const {
    POINT destination{200, 150}, source{0, 0};
    SIZE size{kWidth, kHeight};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, &destination, &size, dc, &source, 0, &blend, ULW_ALPHA);
  }
};

TLayered ShowLayered() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"BareLayered";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_LAYERED, L"BareLayered", L"", WS_POPUP, 200, 150, kWidth, kHeight, nullptr,
                                nullptr, windowClass.hInstance, nullptr);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(dc, dib);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      pixels[y * kWidth + x] = x >= 10 && y >= 10 && x < kWidth - 10 && y < kHeight - 10 ? 0xFFFFFFFF : 0;

  const TLayered layered{window, dc, pixels};
  layered.Update();
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return layered;
}

void TimeUpdates(const TLayered& layered) {
  std::vector<double> times;
  for (int i = 0; i < kUpdates; ++i) {
    const int left = 30 + (i % 16) * 25, top = 150 + (i % 4) * 30;
    const uint32_t colour = i % 2 ? 0xFF3A7BD5 : 0xFFFFFFFF;
    const double start = NowMs();
    for (int y = top; y < top + 10; ++y) std::fill_n(layered.pixels + y * kWidth + left, 10, colour);
    layered.Update();
    times.push_back(NowMs() - start);
  }
  double mean = 0;
  for (double t : times) mean += t / kUpdates;
  std::sort(times.begin(), times.end());
  std::printf("update %.3f %.3f\n", mean, times[kUpdates / 2]);
}

}  // namespace

int main(int argc, char** argv) {
  const TLayered layered = ShowLayered();
  std::printf("on-screen %.1f\n", MillisecondsSinceProcessStart());
  std::fflush(stdout);
  if (argc > 1 && std::strcmp(argv[1], "update") == 0) TimeUpdates(layered);
  std::fflush(stdout);
  ExitProcess(0);
}

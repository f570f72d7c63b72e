// bare_layered_bench: the yardstick of the layered-window benchmark, a plain Win32 program
// without the toolkit. It makes a 474 x 408 per-pixel transparent window, fills a 32-bit DIB with
// an opaque card inside a transparent margin, hands it to UpdateLayeredWindow and prints
// "on-screen MS": milliseconds from process creation until then.
#include "classlib/desktop/Win32.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kWidth = 474, kHeight = 408;

double MillisecondsSinceProcessStart() {
  FILETIME creation, exit, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return double(ticks(now) - ticks(creation)) / 10000.0;
}

}  // namespace

int main() {
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

  POINT destination{200, 150}, source{0, 0};
  SIZE size{kWidth, kHeight};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, &destination, &size, dc, &source, 0, &blend, ULW_ALPHA);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  std::printf("on-screen %.1f\n", MillisecondsSinceProcessStart());
  std::fflush(stdout);
  ExitProcess(0);
}

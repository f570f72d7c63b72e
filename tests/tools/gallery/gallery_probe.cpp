// gallery_probe: what gallery_test.sh needs to see of the screen faster than a screenshot gives it.
//   gallery_probe sample X Y MS       reads the screen pixel at (X, Y) for MS milliseconds; prints
//                                     "T RRGGBB" (T in ms) whenever it changes
//   gallery_probe shape X Y W H MS    reads the W x H screen rect at (X, Y) for MS milliseconds;
//                                     prints "T MASK" whenever a pixel of it changes, MASK giving
//                                     row by row '#' for each light pixel (red at least 0xB0) and
//                                     '.' for each other one
// Exit code 0, 1 when the screen cannot be read, or 2 on a usage error.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr unsigned kLightRed = 0xB0;

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

int Sample(int x, int y, double ms) {
  HDC screen = GetDC(nullptr);
  const double start = NowMs();
  COLORREF last = CLR_INVALID;
  while (NowMs() - start < ms) {
    const COLORREF pixel = GetPixel(screen, x, y);
    if (pixel != last)
      std::printf("%.1f %02X%02X%02X\n", NowMs() - start, GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
    last = pixel;
  }
  ReleaseDC(nullptr, screen);
  return 0;
}

std::string LightMask(const std::vector<DWORD>& pixels) {
  std::string mask;
  for (DWORD pixel : pixels) mask += ((pixel >> 16) & 0xFF) >= kLightRed ? '#' : '.';
  return mask;
}

// The rect is copied whole at each read (one read of the screen), into a top-down 32-bit DIB.
int Shape(int x, int y, int width, int height, double ms) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib || !bits) return 1;
  HGDIOBJ previous = SelectObject(memory, dib);
  const auto* pixels = static_cast<const DWORD*>(bits);
  const size_t count = size_t(width) * size_t(height);
  std::vector<DWORD> last;
  const double start = NowMs();
  while (NowMs() - start < ms) {
    BitBlt(memory, 0, 0, width, height, screen, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> now(pixels, pixels + count);
    if (now != last) std::printf("%.1f %s\n", NowMs() - start, LightMask(now).c_str());
    last = std::move(now);
  }
  SelectObject(memory, previous);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "sample")
    return Sample(std::atoi(argv[2]), std::atoi(argv[3]), std::strtod(argv[4], nullptr));
  if (argc == 7 && std::string(argv[1]) == "shape" && std::atoi(argv[4]) > 0 && std::atoi(argv[5]) > 0)
    return Shape(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                 std::strtod(argv[6], nullptr));
  std::fprintf(stderr, "usage: gallery_probe sample X Y MS | shape X Y W H MS\n");
  return 2;
}

// gallery_probe: what gallery_test.sh needs to see of the screen faster than a screenshot gives it.
//   gallery_probe sample X Y MS   reads the screen pixel at (X, Y) for MS milliseconds; prints
//                                 "T RRGGBB" (T in ms) whenever it changes
// Exit code 0, or 2 on a usage error.
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

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

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "sample")
    return Sample(std::atoi(argv[2]), std::atoi(argv[3]), std::strtod(argv[4], nullptr));
  std::fprintf(stderr, "usage: gallery_probe sample X Y MS\n");
  return 2;
}

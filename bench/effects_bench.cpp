// effects_bench: the stack blur over the update window's full 474 x 408 area at the radii the
// effects use, and each effect's processing of a glowing button's bitmap (the button's 100 x 30
// plus the effect's margins); prints the median times against the 33 ms animation tick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "engine/paint/Bitmap.h"
#include "engine/effects/Effects.h"
#include "engine/paint/StackBlur.h"

namespace {

constexpr double tickMs = 33;
constexpr int runs = 21;

double MedianMs(const std::function<void()>& prepare, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    prepare();
    auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// An opaque rounded-off block in the middle, translucent pixels around it.
void FillPicture(TvgBitmap& bitmap, const TvgRect& object) {
  bitmap.Clear(0x40336699);
  bitmap.ClearRect(object, 0xFF3F86D8);
}

void BenchBlur() {
  TvgBitmap bitmap(474, 408);
  for (int radius : {4, 8, 15, 35, 135}) {
    double ms = MedianMs([&] { FillPicture(bitmap, {20, 20, 454, 388}); }, [&] { BlurBitmap(bitmap, radius); });
    std::printf("blur 474 x 408, radius %3d: median %7.2f ms (%3.0f%% of the tick)\n", radius, ms, ms / tickMs * 100);
  }
}

template <class E>
void BenchEffect(const char* name) {
  E effect(nullptr);
  TvgRect area = effect.GetRect({0, 0, 100, 30});
  TvgPoint offset = effect.GetOffset();
  TvgBitmap bitmap(int(vgRectWidth(area)), int(vgRectHeight(area)));
  double ms = MedianMs([&] { FillPicture(bitmap, {offset.X, offset.Y, offset.X + 100, offset.Y + 30}); },
                       [&] { effect.ProcessEffect(nullptr, &bitmap, 1); });
  std::printf("%-20s %3d x %3d: median %7.3f ms (%3.0f%% of the tick)\n", name, bitmap.Width(), bitmap.Height(), ms,
              ms / tickMs * 100);
}

}  // namespace

int main() {
  BenchBlur();
  BenchEffect<TvgShadowEffect>("TvgShadowEffect");
  BenchEffect<TvgBlurEffect>("TvgBlurEffect");
  BenchEffect<TvgGlowEffect>("TvgGlowEffect");
  BenchEffect<TvgInnerGlowEffect>("TvgInnerGlowEffect");
  BenchEffect<TvgBevelEffect>("TvgBevelEffect");
  BenchEffect<TvgReflectionEffect>("TvgReflectionEffect");
  return 0;
}

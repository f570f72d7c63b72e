#include "engine/paint/StackBlur.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/paint/Bitmap.h"

namespace {

// Larger radii come only from unchecked integer properties. Beyond this the window is far wider
// than any bitmap, and the weighted sums (at most 255 (r + 1)^2) still fit 32 bits.
constexpr int kMaxRadius = 4000;

using Channels = std::array<uint32_t, 4>;

Channels Split(TvgColor pixel) {
  return {pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF, pixel >> 24};
}

TvgColor Join(const Channels& sum, uint32_t divisor) {
  TvgColor pixel = 0;
  for (int c = 0; c < 4; ++c) pixel |= TvgColor(sum[c] / divisor) << (8 * c);
  return pixel;
}

void Add(Channels& to, const Channels& value, uint32_t weight = 1) {
  for (int c = 0; c < 4; ++c) to[c] += value[c] * weight;
}

void Subtract(Channels& from, const Channels& value) {
  for (int c = 0; c < 4; ++c) from[c] -= value[c];
}

// One line of count pixels, stride apart. Each output is the sum of its 2r + 1 neighbours, the
// one at distance d weighted r + 1 - d, divided by (r + 1)^2. The window moves by keeping the
// sums of its leading and trailing halves; the ring holds the pixels inside it.
void BlurLine(const TvgColor* source, TvgColor* dest, int count, int stride, int radius) {
  auto at = [&](int i) { return Split(source[std::clamp(i, 0, count - 1) * stride]); };
  const int window = 2 * radius + 1;
  const uint32_t divisor = uint32_t(radius + 1) * uint32_t(radius + 1);
  std::vector<Channels> ring(window);
  Channels sum{}, leading{}, trailing{};
  for (int d = -radius; d <= radius; ++d) {
    ring[d + radius] = at(d);
    Add(sum, ring[d + radius], uint32_t(radius + 1 - std::abs(d)));
    Add(d > 0 ? leading : trailing, ring[d + radius]);
  }
  int oldest = 0;  // ring slot of the pixel at x - r
  for (int x = 0; x < count; ++x) {
    dest[x * stride] = Join(sum, divisor);
    Subtract(sum, trailing);
    Subtract(trailing, ring[oldest]);
    ring[oldest] = at(x + radius + 1);
    Add(leading, ring[oldest]);
    Add(sum, leading);
    if (++oldest == window) oldest = 0;
    int centre = oldest + radius;  // the slot of the pixel at x + 1
    if (centre >= window) centre -= window;
    Add(trailing, ring[centre]);
    Subtract(leading, ring[centre]);
  }
}

}  // namespace

void BlurBitmap(TvgBitmap& bitmap, int radius) {
  const int width = bitmap.Width(), height = bitmap.Height();
  if (radius <= 0 || bitmap.IsEmpty()) return;
  radius = std::min(radius, kMaxRadius);
  TvgColor* bits = bitmap.Bits();
  std::vector<TvgColor> rows(size_t(width) * height);
  for (int y = 0; y < height; ++y) BlurLine(bits + y * width, rows.data() + y * width, width, 1, radius);
  for (int x = 0; x < width; ++x) BlurLine(rows.data() + x, bits + x, height, width, radius);
  bitmap.PlatformImageStale = true;
}

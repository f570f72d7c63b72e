// The stack blur against a direct weighted sum, on all four channels, with repeated edges.
#include "engine/paint/StackBlur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/paint/Bitmap.h"

namespace {

std::unique_ptr<TvgBitmap> Filled(int width, int height, const std::vector<TvgColor>& pixels) {
  auto bitmap = std::make_unique<TvgBitmap>(width, height);
  std::copy(pixels.begin(), pixels.end(), bitmap->Bits());
  return bitmap;
}

std::vector<TvgColor> Pixels(const TvgBitmap& bitmap) {
  return {bitmap.Bits(), bitmap.Bits() + size_t(bitmap.Width()) * bitmap.Height()};
}

// The definition: each pixel of a line is the sum of its neighbours up to radius away, weighted
// radius + 1 - distance and divided by (radius + 1)^2, beyond the ends the end pixel; rows
// first, then columns, each channel truncated after each pass.
std::vector<TvgColor> ReferenceBlur(const std::vector<TvgColor>& pixels, int width, int height, int radius) {
  auto pass = [&](const std::vector<TvgColor>& in, bool alongRows) {
    std::vector<TvgColor> out(in.size());
    const int64_t divisor = int64_t(radius + 1) * (radius + 1);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        TvgColor result = 0;
        for (int shift = 0; shift < 32; shift += 8) {
          int64_t sum = 0;
          for (int d = -radius; d <= radius; ++d) {
            int sx = alongRows ? std::clamp(x + d, 0, width - 1) : x;
            int sy = alongRows ? y : std::clamp(y + d, 0, height - 1);
            sum += int64_t((in[sy * width + sx] >> shift) & 0xFF) * (radius + 1 - std::abs(d));
          }
          result |= TvgColor(sum / divisor) << shift;
        }
        out[y * width + x] = result;
      }
    }
    return out;
  };
  return pass(pass(pixels, true), false);
}

// Premultiplied pixels of a varied picture: translucent and opaque, with hard edges.
std::vector<TvgColor> Picture(int width, int height) {
  std::vector<TvgColor> pixels(size_t(width) * height);
  uint32_t seed = 12345;
  for (TvgColor& pixel : pixels) {
    seed = seed * 1103515245u + 12345u;
    uint8_t alpha = (seed >> 24) % 3 == 0 ? 0 : uint8_t(seed >> 16);
    pixel = vgPremultiplyColor(vgMakeColor(uint8_t(seed >> 8), uint8_t(seed >> 4), uint8_t(seed), alpha));
  }
  return pixels;
}

TEST(StackBlur, NoRadiusChangesNothing) {
  for (int radius : {0, -1, INT_MIN}) {
    auto bitmap = Filled(5, 4, Picture(5, 4));
    BlurBitmap(*bitmap, radius);
    EXPECT_EQ(Pixels(*bitmap), Picture(5, 4)) << radius;
  }
}

TEST(StackBlur, RadiusOneSpreadsAPixelOverItsNeighbours) {
  std::vector<TvgColor> pixels(25, 0);
  pixels[12] = 0xFFFFFFFF;
  auto bitmap = Filled(5, 5, pixels);
  BlurBitmap(*bitmap, 1);
  // 255 x (1 2 1)/4 along the row, then the same down the columns, truncated each time.
  const std::vector<TvgColor> expected = {
      0, 0,          0,          0,          0,  //
      0, 0x0F0F0F0F, 0x1F1F1F1F, 0x0F0F0F0F, 0,  //
      0, 0x1F1F1F1F, 0x3F3F3F3F, 0x1F1F1F1F, 0,  //
      0, 0x0F0F0F0F, 0x1F1F1F1F, 0x0F0F0F0F, 0,  //
      0, 0,          0,          0,          0,
  };
  EXPECT_EQ(Pixels(*bitmap), expected);
}

TEST(StackBlur, MatchesTheWeightedSumForEveryRadius) {
  struct Case {
    int width, height, radius;
  } cases[] = {{9, 7, 1}, {9, 7, 2}, {16, 11, 5}, {4, 3, 7}, {1, 6, 3}, {6, 1, 2}, {1, 1, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " radius " << c.radius);
    std::vector<TvgColor> picture = Picture(c.width, c.height);
    auto bitmap = Filled(c.width, c.height, picture);
    BlurBitmap(*bitmap, c.radius);
    EXPECT_EQ(Pixels(*bitmap), ReferenceBlur(picture, c.width, c.height, c.radius));
  }
}

TEST(StackBlur, KeepsPixelsPremultiplied) {
  auto bitmap = Filled(16, 11, Picture(16, 11));
  BlurBitmap(*bitmap, 3);
  for (TvgColor pixel : Pixels(*bitmap)) {
    uint32_t alpha = pixel >> 24;
    for (int shift : {0, 8, 16}) ASSERT_LE((pixel >> shift) & 0xFF, alpha) << vgColorToStr(pixel);
  }
}

// Repeated edges: a plain area stays plain up to its borders.
TEST(StackBlur, LeavesAPlainColourAsItIs) {
  std::vector<TvgColor> plain(12 * 5, 0x80402010);
  auto bitmap = Filled(12, 5, plain);
  BlurBitmap(*bitmap, 4);
  EXPECT_EQ(Pixels(*bitmap), plain);
}

// A radius from an unchecked property must neither overflow the sums nor exhaust memory.
TEST(StackBlur, AnyRadiusOfAPlainPictureKeepsIt) {
  std::vector<TvgColor> plain(3 * 2, 0xFFFFFFFF);
  auto bitmap = Filled(3, 2, plain);
  BlurBitmap(*bitmap, INT_MAX);
  EXPECT_EQ(Pixels(*bitmap), plain);
}

TEST(StackBlur, AnEmptyBitmapIsLeftAlone) {
  TvgBitmap bitmap;
  BlurBitmap(bitmap, 3);
  EXPECT_TRUE(bitmap.IsEmpty());
}

}  // namespace

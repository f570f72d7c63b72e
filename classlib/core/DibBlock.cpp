#include "classlib/core/DibBlock.h"

#include <bit>
#include <cstdlib>

namespace {

constexpr uint32_t kRgb = 0, kBitFields = 3;
constexpr size_t kInfoHeaderSize = 40;

uint32_t ReadU32(std::span<const uint8_t> block, size_t at) {
  return uint32_t(block[at]) | uint32_t(block[at + 1]) << 8 | uint32_t(block[at + 2]) << 16 |
         uint32_t(block[at + 3]) << 24;
}
uint16_t ReadU16(std::span<const uint8_t> block, size_t at) { return uint16_t(block[at] | block[at + 1] << 8); }

// One channel picked out by its mask and scaled to eight bits.
struct TChannel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t maximum = 0;
  explicit TChannel(uint32_t m) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    maximum = m >> shift;
  }
  uint32_t Of(uint32_t pixel) const {
    if (!mask) return 0;
    return ((pixel & mask) >> shift) * 255 / maximum;
  }
};

struct TLayout {
  int width = 0, height = 0;
  bool topDown = false;
  int bitCount = 0;
  uint32_t redMask = 0x00FF0000, greenMask = 0x0000FF00, blueMask = 0x000000FF, alphaMask = 0;
  size_t pixelsAt = 0;
  size_t stride = 0;
};

bool ContiguousMask(uint32_t mask) { return mask == 0 || std::has_single_bit((mask >> std::countr_zero(mask)) + 1); }

// The header, the masks and the colour table, each checked to lie inside the block.
std::optional<TLayout> ReadLayout(std::span<const uint8_t> block) {
  if (block.size() < kInfoHeaderSize) return std::nullopt;
  const size_t headerSize = ReadU32(block, 0);
  if (headerSize < kInfoHeaderSize || headerSize > block.size()) return std::nullopt;
  TLayout layout;
  const int32_t width = int32_t(ReadU32(block, 4)), height = int32_t(ReadU32(block, 8));
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  layout.width = width;
  layout.height = std::abs(height);
  layout.topDown = height < 0;
  layout.bitCount = ReadU16(block, 14);
  const uint32_t compression = ReadU32(block, 16);
  const uint32_t colorsUsed = ReadU32(block, 32);
  if (ReadU16(block, 12) != 1 || (layout.bitCount != 24 && layout.bitCount != 32)) return std::nullopt;
  size_t at = headerSize;
  if (compression == kBitFields) {
    if (layout.bitCount != 32) return std::nullopt;
    // A plain header is followed by the three masks; the longer headers hold them (and alpha's).
    const bool masksInHeader = headerSize >= kInfoHeaderSize + 12;
    const size_t masksAt = masksInHeader ? kInfoHeaderSize : headerSize;
    if (!masksInHeader) at += 12;
    if (at > block.size()) return std::nullopt;
    layout.redMask = ReadU32(block, masksAt);
    layout.greenMask = ReadU32(block, masksAt + 4);
    layout.blueMask = ReadU32(block, masksAt + 8);
    if (headerSize >= kInfoHeaderSize + 16) layout.alphaMask = ReadU32(block, kInfoHeaderSize + 12);
    for (uint32_t mask : {layout.redMask, layout.greenMask, layout.blueMask, layout.alphaMask})
      if (!ContiguousMask(mask)) return std::nullopt;
  } else if (compression == kRgb) {
    if (layout.bitCount == 32) layout.alphaMask = 0xFF000000;
  } else {
    return std::nullopt;
  }
  // Pictures of these depths may still carry a colour table (for palette devices): skip it.
  if (colorsUsed > (block.size() - at) / 4) return std::nullopt;
  at += size_t(colorsUsed) * 4;
  layout.pixelsAt = at;
  // In 64 bits, so that a lying width cannot wrap the sums on a 32-bit system.
  const uint64_t stride = (uint64_t(layout.width) * uint64_t(layout.bitCount) + 31) / 32 * 4;
  const uint64_t lastRow = uint64_t(layout.width) * uint64_t(layout.bitCount / 8);
  const uint64_t room = block.size() - at;
  if (stride > room || uint64_t(layout.height - 1) > (room - lastRow) / stride) return std::nullopt;
  layout.stride = size_t(stride);
  return layout;
}

uint32_t Premultiplied(uint32_t a, uint32_t r, uint32_t g, uint32_t b) {
  if (a == 255) return 0xFF000000u | r << 16 | g << 8 | b;
  auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | scale(r) << 16 | scale(g) << 8 | scale(b);
}

}  // namespace

std::optional<TDibPixels> DecodeDibBlock(std::span<const uint8_t> block) {
  const std::optional<TLayout> layout = ReadLayout(block);
  if (!layout) return std::nullopt;
  TDibPixels result;
  result.Width = layout->width;
  result.Height = layout->height;
  result.Pixels.resize(size_t(layout->width) * size_t(layout->height));
  const TChannel red(layout->redMask), green(layout->greenMask), blue(layout->blueMask), alpha(layout->alphaMask);
  const size_t bytesPerPixel = size_t(layout->bitCount / 8);
  bool anyAlpha = false;
  for (int y = 0; y < layout->height; ++y) {
    const int sourceRow = layout->topDown ? y : layout->height - 1 - y;
    const size_t rowAt = layout->pixelsAt + size_t(sourceRow) * layout->stride;
    uint32_t* target = result.Pixels.data() + size_t(y) * size_t(layout->width);
    for (int x = 0; x < layout->width; ++x) {
      const size_t at = rowAt + size_t(x) * bytesPerPixel;
      const uint32_t pixel = bytesPerPixel == 4 ? ReadU32(block, at)
                                                : uint32_t(block[at]) | uint32_t(block[at + 1]) << 8 |
                                                      uint32_t(block[at + 2]) << 16;
      const uint32_t a = alpha.Of(pixel);
      anyAlpha = anyAlpha || a != 0;
      target[x] = a << 24 | red.Of(pixel) << 16 | green.Of(pixel) << 8 | blue.Of(pixel);
    }
  }
  for (uint32_t& pixel : result.Pixels) {
    const uint32_t a = anyAlpha ? pixel >> 24 : 255;
    pixel = Premultiplied(a, pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
  }
  return result;
}

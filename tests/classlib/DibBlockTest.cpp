// Device-independent bitmap blocks as other programs put them on the clipboard: the layouts that
// decode, and crafted short or lying blocks, which must be refused without reading past their end
// (the sanitizer build catches any read beyond the block's bytes).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "classlib/core/DibBlock.h"

namespace {

// A block written field by field, little-endian, as the platform lays it out.
struct TBlock {
  std::vector<uint8_t> bytes;
  TBlock& U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(v >> (8 * i)));
    return *this;
  }
  TBlock& U16(uint16_t v) {
    bytes.push_back(uint8_t(v));
    bytes.push_back(uint8_t(v >> 8));
    return *this;
  }
  TBlock& Bytes(std::initializer_list<uint8_t> list) {
    bytes.insert(bytes.end(), list);
    return *this;
  }
  TBlock& Zeros(size_t n) {
    bytes.insert(bytes.end(), n, 0);
    return *this;
  }
  // The plain 40-byte header; longer ones continue with the masks.
  TBlock& Header(uint32_t size, int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                 uint32_t colorsUsed = 0) {
    U32(size).U32(uint32_t(width)).U32(uint32_t(height)).U16(1).U16(bits).U32(compression).U32(0);
    return U32(0).U32(0).U32(colorsUsed).U32(0);
  }
  TBlock& Cut(size_t n) {
    bytes.resize(bytes.size() - n);
    return *this;
  }
};

using TPixels = std::vector<uint32_t>;

struct TDecodeCase {
  const char* name;
  TBlock block;
  int width, height;
  TPixels pixels;
};

void PrintTo(const TDecodeCase& c, std::ostream* out) { *out << c.name; }

class DibBlockDecodes : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(DibBlockDecodes, ToPremultipliedRowsFromTheTop) {
  const TDecodeCase& c = GetParam();
  const auto decoded = DecodeDibBlock(c.block.bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Width, c.width);
  EXPECT_EQ(decoded->Height, c.height);
  EXPECT_EQ(decoded->Pixels, c.pixels);
}

// Bottom-up 2 x 2, 32 bits: the last row in the block is the top one.
TBlock Bgra2x2(int32_t height) {
  TBlock b;
  b.Header(40, 2, height, 32);
  return b.U32(0x00112233).U32(0x00445566).U32(0x00778899).U32(0x00AABBCC);
}

INSTANTIATE_TEST_SUITE_P(
    DibBlock, DibBlockDecodes,
    ::testing::Values(
        TDecodeCase{"BottomUpWithoutAlphaIsOpaque", Bgra2x2(2), 2, 2,
                    {0xFF778899, 0xFFAABBCC, 0xFF112233, 0xFF445566}},
        TDecodeCase{"TopDown", Bgra2x2(-2), 2, 2, {0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC}},
        TDecodeCase{"AlphaIsPremultiplied", TBlock().Header(40, 2, 1, 32).U32(0x80FF0000).U32(0x00FFFFFF), 2, 1,
                    {0x80800000, 0x00000000}},
        // Width 3 at 24 bits: 9 bytes a row padded to 12; the last row may end unpadded.
        TDecodeCase{"TwentyFourBitRowsArePadded",
                    TBlock()
                        .Header(40, 3, 2, 24)
                        .Bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0, 0, 0})
                        .Bytes({0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19}),
                    3, 2, {0xFF131211, 0xFF161514, 0xFF191817, 0xFF030201, 0xFF060504, 0xFF090807}},
        TDecodeCase{"MasksAfterThePlainHeader",
                    TBlock().Header(40, 1, 1, 32, 3).U32(0x000000FF).U32(0x0000FF00).U32(0x00FF0000).U32(0x00332211),
                    1, 1, {0xFF112233}},
        TDecodeCase{"FiveSixFiveStyleMasksScaleToEightBits",
                    TBlock().Header(40, 1, 1, 32, 3).U32(0xF800).U32(0x07E0).U32(0x001F).U32(0xF800 | 0x001F), 1, 1,
                    {0xFFFF00FF}},
        TDecodeCase{"AlphaMaskOfTheLongHeader",
                    TBlock()
                        .Header(124, 1, 1, 32, 3)
                        .U32(0x00FF0000)
                        .U32(0x0000FF00)
                        .U32(0x000000FF)
                        .U32(0xFF000000)
                        .Zeros(124 - 56)
                        .U32(0x40FFFFFF),
                    1, 1, {0x40404040}},
        TDecodeCase{"AColourTableIsSkipped", TBlock().Header(40, 1, 1, 32, 0, 2).U32(0xDEADBEEF).U32(0xDEADBEEF).U32(0x00010203),
                    1, 1, {0xFF010203}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TRefuseCase {
  const char* name;
  TBlock block;
};

void PrintTo(const TRefuseCase& c, std::ostream* out) { *out << c.name; }

class DibBlockRefuses : public ::testing::TestWithParam<TRefuseCase> {};

TEST_P(DibBlockRefuses, AShortOrLyingBlock) {
  const std::vector<uint8_t>& bytes = GetParam().block.bytes;
  // An exact-size copy, so that any read past the claimed end is a read past the allocation.
  std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() + 1]);
  if (!bytes.empty()) std::memcpy(exact.get(), bytes.data(), bytes.size());
  EXPECT_FALSE(DecodeDibBlock({exact.get(), bytes.size()}).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    DibBlock, DibBlockRefuses,
    ::testing::Values(
        TRefuseCase{"Empty", TBlock()}, TRefuseCase{"ShorterThanItsHeader", TBlock().Header(40, 1, 1, 32).Cut(1)},
        TRefuseCase{"HeaderSizeBeyondTheBlock", TBlock().Header(200, 1, 1, 32).U32(0)},
        TRefuseCase{"HeaderSizeTooSmall", TBlock().Header(12, 1, 1, 32).U32(0)},
        TRefuseCase{"OneByteOfPixelsMissing", Bgra2x2(2).Cut(1)},
        TRefuseCase{"ARowMissing", Bgra2x2(3)},
        TRefuseCase{"HugeHeight", Bgra2x2(0x7FFFFFFF)},
        TRefuseCase{"HugeTopDownHeight", Bgra2x2(-0x7FFFFFFF)},
        TRefuseCase{"LowestHeight", Bgra2x2(INT32_MIN)},
        TRefuseCase{"HugeWidth", TBlock().Header(40, 0x7FFFFFFF, 1, 32).U32(0)},
        TRefuseCase{"WidthThatWrapsThirtyTwoBits", TBlock().Header(40, 0x40000000, 1, 32).U32(0)},
        TRefuseCase{"NoWidth", TBlock().Header(40, 0, 1, 32).U32(0)},
        TRefuseCase{"NoHeight", TBlock().Header(40, 1, 0, 32).U32(0)},
        TRefuseCase{"ColourTableBeyondTheBlock", TBlock().Header(40, 1, 1, 32, 0, 0x40000000).U32(0)},
        TRefuseCase{"MasksMissing", TBlock().Header(40, 1, 1, 32, 3).U32(0xFF0000).U32(0xFF00)},
        TRefuseCase{"ScatteredMask", TBlock().Header(40, 1, 1, 32, 3).U32(0xF0F000).U32(0xFF00).U32(0xFF).U32(0)},
        TRefuseCase{"PalettedPicture", TBlock().Header(40, 4, 1, 8, 0, 0).U32(0)},
        TRefuseCase{"RunLengthCompressed", TBlock().Header(40, 1, 1, 32, 1).U32(0)},
        TRefuseCase{"MasksOnTwentyFourBits", TBlock().Header(40, 1, 1, 24, 3).U32(0xFF0000).U32(0xFF00).U32(0xFF).U32(0)},
        TRefuseCase{"NoPlanes", [] {
                      TBlock b = Bgra2x2(2);
                      b.bytes[12] = 0;
                      return b;
                    }()}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "classlib/core/Extended80.h"

namespace {

std::string Hex(const TExtended80& x) {
  static const char* digits = "0123456789abcdef";
  std::string s;
  for (uint8_t b : x.Bytes) {
    s += digits[b >> 4];
    s += digits[b & 15];
  }
  return s;
}

uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, 8);
  return b;
}

}  // namespace

TEST(TExtended80, DoublesConvertToTheX87Layout) {
  struct Case {
    double value;
    const char* bytes;
  } cases[] = {
      {1.0, "0000000000000080ff3f"},
      {-2.0, "000000000000008000c0"},
      {0.5, "0000000000000080fe3f"},
      {474.0, "00000000000000ed0740"},
      {0.0, "00000000000000000000"},
      {-0.0, "00000000000000000080"},
      {std::numeric_limits<double>::infinity(), "0000000000000080ff7f"},
      {std::numeric_limits<double>::denorm_min(), "0000000000000080cd3b"},
      {std::numeric_limits<double>::max(), "00f8fffffffffffffe43"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(TExtended80::FromDouble(c.value)), c.bytes) << c.value;
  }
}

TEST(TExtended80, EveryKindOfDoubleSurvivesTheRoundTrip) {
  const double values[] = {1.0, -1.5, 0.1, 1e300, -1e-300, 123456789.125, std::numeric_limits<double>::min(),
                           std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(), -0.0,
                           std::numeric_limits<double>::infinity()};
  for (double v : values) EXPECT_EQ(Bits(TExtended80::FromDouble(v).ToDouble()), Bits(v)) << v;
  EXPECT_TRUE(std::isnan(TExtended80::FromDouble(std::nan("")).ToDouble()));
  EXPECT_EQ(TExtended80::FromSingle(0.1f).ToSingle(), 0.1f);
  EXPECT_EQ(TExtended80::FromSingle(-3.5e-42f).ToSingle(), -3.5e-42f);  // subnormal single
}

TEST(TExtended80, NarrowingRoundsToNearestWithTiesToEven) {
  const uint64_t one = uint64_t(1) << 63;
  // 1 + 2^-53 is a tie between 1 and 1 + 2^-52: even wins (1); a hair more rounds up.
  EXPECT_EQ(TExtended80::Make(false, 16383, one | (uint64_t(1) << 10)).ToDouble(), 1.0);
  EXPECT_EQ(TExtended80::Make(false, 16383, one | (uint64_t(1) << 10) | 1).ToDouble(), 1.0 + 0x1p-52);
  EXPECT_EQ(TExtended80::Make(false, 16383, one | (uint64_t(3) << 10)).ToDouble(), 1.0 + 0x1p-51);
  // All mantissa bits set rounds up into the next binade.
  EXPECT_EQ(TExtended80::Make(false, 16383, ~uint64_t(0)).ToDouble(), 2.0);
  // Beyond the double range: infinity; far below it: zero; near the bottom: a subnormal.
  EXPECT_TRUE(std::isinf(TExtended80::Make(false, 16383 + 1024, one).ToDouble()));
  EXPECT_EQ(Bits(TExtended80::Make(true, 1, one).ToDouble()), Bits(-0.0));
  EXPECT_EQ(TExtended80::Make(false, 16383 - 1074, one).ToDouble(), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(TExtended80::Make(false, 16383 - 1075, one).ToDouble(), 0.0);  // exactly half: even (0)
  EXPECT_EQ(TExtended80::Make(false, 16383 - 1075, one | 1).ToDouble(), std::numeric_limits<double>::denorm_min());
  // Rounding once to single, not through double.
  EXPECT_EQ(TExtended80::Make(false, 16383, one | (uint64_t(1) << 39) | 1).ToSingle(), 1.0f + 0x1p-23f);
}

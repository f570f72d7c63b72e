#include <gtest/gtest.h>

#include <cfloat>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "classlib/core/FloatText.h"

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

TExtended80 Parse(const std::string& text) {
  TExtended80 x;
  EXPECT_TRUE(TryTextToExtended(text, x)) << text;
  return x;
}

TExtended80 RandomFinite(std::mt19937_64& random) {
  uint16_t exponent = uint16_t(random() % 0x7FFF);
  uint64_t mantissa = random() | (exponent ? uint64_t(1) << 63 : 0);
  if (exponent == 0) mantissa &= ~(uint64_t(1) << 63);
  return TExtended80::Make(random() & 1, exponent, mantissa);
}

}  // namespace

TEST(FloatText, DecimalTextRoundsCorrectlyToExtended) {
  struct Case {
    const char* text;
    const char* bytes;
  } cases[] = {
      {"0.8", "cdccccccccccccccfe3f"},
      {"0.1", "cdccccccccccccccfb3f"},
      {"-474.0", "00000000000000ed07c0"},
      {"1E3", "00000000000000fa0840"},
      
      {"1.18973149535723176502e4932", "fffffffffffffffffe7f"},
      {"3.6451995318824746025e-4951", "01000000000000000000"},
      {"1e-5000", "00000000000000000000"},
      {"-0.0", "00000000000000000080"},
      // 1 + 2^-64 exactly is a tie: even (1) wins; a trailing digit more rounds up.
      {"1.0000000000000000000542101086242752217003726400434970855712890625", "0000000000000080ff3f"},
      {"1.00000000000000000005421010862427522170037264004349708557128906251", "0100000000000080ff3f"},
  };
  for (const auto& c : cases) EXPECT_EQ(Hex(Parse(c.text)), c.bytes) << c.text;
  TExtended80 x;
  for (const char* bad : {"", "-", "1.2.3", "1e", "1e+", "abc", "1x", ".", "1.19e4932", "$10"})
    EXPECT_FALSE(TryTextToExtended(bad, x)) << bad;
}

TEST(FloatText, ShortTextsFollowTheRuntimesGeneralFormat) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{474, "474"},    {1.5, "1.5"},         {0.0001, "0.0001"},
               {1e-5, "1E-5"},  {1e15, "1E15"},       {123456789012345.0, "123456789012345"},
               {-2.25e-7, "-2.25E-7"}, {0.1, "0.1"}, {0, "0"}, {1.0 / 3, "0.3333333333333333"}};
  for (const auto& c : cases) EXPECT_EQ(DoubleToStreamText(c.value), c.text) << c.value;
}

TEST(FloatText, StreamTextsAreClassicWhereTheyReadBackAndLongerOnlyWhereNeeded) {
  struct Case {
    TExtended80 value;
    const char* text;
  } cases[] = {
      {TExtended80::FromDouble(474), "474.000000000000000000"},
      {Parse("0.8"), "0.800000000000000000"},
      {TExtended80::FromDouble(-0.5), "-0.500000000000000000"},
      {TExtended80::FromDouble(0), "0.000000000000000000"},
      {TExtended80::FromSingle(0.1f), "0.100000001490116119385"},  // a single written as extended
      {TExtended80::FromDouble(1e20), "1E20"},
      {TExtended80::FromDouble(std::numeric_limits<double>::infinity()), "INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtendedToStreamText(c.value), c.text);
  EXPECT_EQ(SingleToStreamText(1.5f), "1.5");
  EXPECT_EQ(SingleToStreamText(0.1f), "0.100000001490116");
  EXPECT_EQ(DoubleToStreamText(2.25), "2.25");
  EXPECT_EQ(DoubleToStreamText(0.1), "0.1");
  EXPECT_EQ(CurrencyToStreamText(12345), "12345");
  EXPECT_EQ(CurrencyToStreamText(INT64_MIN), "-9223372036854775808");
}

TEST(FloatText, ExtendedStreamTextsAtTheEdgesOfTheFormat) {
  struct Case {
    const char* name;
    TExtended80 value;
    const char* text;
  } cases[] = {
      {"largest", TExtended80::Make(false, 0x7FFE, ~uint64_t(0)), "1.189731495357231765E4932"},
      {"-largest", TExtended80::Make(true, 0x7FFE, ~uint64_t(0)), "-1.189731495357231765E4932"},
      {"smallest normal", TExtended80::Make(false, 1, uint64_t(1) << 63), "3.3621031431120935063E-4932"},
      {"smallest subnormal", TExtended80::Make(false, 0, 1), "3.6451995318824746E-4951"},
      {"largest subnormal", TExtended80::Make(false, 0, (uint64_t(1) << 63) - 1), "3.362103143112093506E-4932"},
      {"2^100 (a closer neighbour below)", TExtended80::Make(false, 16383 + 100, uint64_t(1) << 63),
       "1.2676506002282294015E30"},
      {"2^-100", TExtended80::Make(false, 16383 - 100, uint64_t(1) << 63), "7.888609052210118054E-31"},
      {"2^64 - 1", TExtended80::Make(false, 16383 + 63, ~uint64_t(0)), "18446744073709551615.0"},
      {"pi", TExtended80::Make(false, 0x4000, 0xC90FDAA22168C235), "3.1415926535897932385"},
      {"1/3", Parse("0.33333333333333333333333"), "0.33333333333333333334"},
      {"1E16", Parse("1e16"), "10000000000000000.0"},
      {"1E17", Parse("1e17"), "1E17"},
      {"9999999999999999.5", Parse("9999999999999999.5"), "9999999999999999.5"},
      {"0.001", Parse("0.001"), "0.001000000000000000"},
      {"1E-5", Parse("1e-5"), "0.000010000000000000"},
      {"5E-19", Parse("5e-19"), "5E-19"},
      {"1E4000", Parse("1e4000"), "1E4000"},
      {"1E-4000", Parse("1e-4000"), "1E-4000"},
      {"-0", TExtended80::Make(true, 0, 0), "-0.000000000000000000"},
      // Encodings no text reads back to: 25 digits, or zero with a mark of a float.
      {"unnormal", TExtended80::Make(false, 0x3FFF, 1), "1.084202172485504434007453E-19"},
      {"pseudo-denormal", TExtended80::Make(false, 0, uint64_t(1) << 63), "3.362103143112093506262678E-4932"},
      {"zero with an exponent", TExtended80::Make(false, 5, 0), "0.0"},
      {"-zero with an exponent", TExtended80::Make(true, 5, 0), "-0.0"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtendedToStreamText(c.value), c.text) << c.name;
}

TEST(FloatText, EveryFiniteExtendedReadsBackBitForBit) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 400; ++i) {
    TExtended80 x = RandomFinite(random);
    std::string text = ExtendedToStreamText(x);
    TExtended80 back;
    ASSERT_TRUE(TryTextToExtended(text, back)) << text;
    EXPECT_EQ(Hex(back), Hex(x)) << text;
  }
  for (int i = 0; i < 400; ++i) {
    uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, 8);
    if (!std::isfinite(d)) continue;
    TExtended80 back;
    ASSERT_TRUE(TryTextToExtended(DoubleToStreamText(d), back));
    EXPECT_EQ(back.ToDouble(), d) << DoubleToStreamText(d);
    EXPECT_LE(DoubleToStreamText(d).size(), 25u);
  }
}

TEST(FloatText, ConversionToInt64RoundsHalfToEvenWithinRange) {
  struct Case {
    const char* text;
    bool ok;
    int64_t value;
  } cases[] = {{"2.5", true, 2},  {"3.5", true, 4},   {"-2.5", true, -2}, {"0.5000001", true, 1},
               {"9223372036854775807", true, INT64_MAX}, {"-9223372036854775808", true, INT64_MIN},
               {"9223372036854775808", false, 0}, {"1e30", false, 0}, {"1e-30", true, 0}};
  for (const auto& c : cases) {
    int64_t v = 0;
    EXPECT_EQ(TryExtendedToInt64(Parse(c.text), v), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(v, c.value) << c.text;
  }
}

#if !defined(_WIN32) && LDBL_MANT_DIG == 64
// The host's correctly rounded strtold is an independent check of the parser.
TEST(FloatText, ParsingAgreesWithTheHostsExtendedParser) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 2000; ++i) {
    std::string text = std::to_string(random() % 1000000000) + "." + std::to_string(random()) + "e" +
                       std::to_string(int(random() % 9800) - 4900);
    long double host = std::strtold(text.c_str(), nullptr);
    TExtended80 expected;
    std::memcpy(expected.Bytes.data(), &host, 10);
    EXPECT_EQ(Hex(Parse(text)), Hex(expected)) << text;
  }
}

// The digits of a stream text without sign, point, exponent and the zeros around them.
std::string SignificantDigitsOf(const std::string& text) {
  std::string digits;
  for (char c : text.substr(0, text.find_first_of("Ee")))
    if (c >= '0' && c <= '9') digits += c;
  digits.erase(0, digits.find_first_not_of('0'));
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits;
}

// The host's exact printf: a text longer than the classic one holds the value rounded to its
// digits, and no text of 17 or more digits but fewer reads back.
TEST(FloatText, LongerTextsHoldTheFewestDigitsThatReadBack) {
  std::mt19937_64 random(5);
  for (int i = 0; i < 2000; ++i) {
    const TExtended80 x = RandomFinite(random);
    const std::string text = ExtendedToStreamText(x);
    const size_t point = text.find('.');
    if (x.Mantissa() == 0 || (point != std::string::npos && text.size() - point == 19)) continue;  // classic
    long double value;
    std::memcpy(&value, x.Bytes.data(), 10);
    const std::string digits = SignificantDigitsOf(text);
    auto rounded = [&](size_t count) {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%.*Le", int(count) - 1, value);
      return std::string(buffer);
    };
    EXPECT_EQ(SignificantDigitsOf(rounded(std::max<size_t>(digits.size(), 17))), digits) << text;
    for (size_t count = 17; count < digits.size(); ++count) {
      TExtended80 back;
      ASSERT_TRUE(TryTextToExtended(rounded(count), back));
      EXPECT_NE(Hex(back), Hex(x)) << text << " reads back with " << count << " digits";
    }
  }
}
#endif

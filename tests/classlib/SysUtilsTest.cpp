#include <gtest/gtest.h>

#include <clocale>

#include "classlib/core/SysUtils.h"
#include "classlib/core/Variant.h"

TEST(Exception, KeepsItsMessage) { EXPECT_EQ(EConvertError("bad").Message(), "bad"); }

TEST(StrToInt, AcceptsTheRuntimeSyntax) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  } cases[] = {{"42", true, 42},          {"-7", true, -7},        {" 12 ", true, 12},
               {"$FF", true, 255},        {"0x10", true, 16},      {"$FFFFFFFF", true, -1},
               {"2147483647", true, INT32_MAX}, {"2147483648", false, 0}, {"", false, 0},
               {"12a", false, 0},         {"$", false, 0},         {"1.5", false, 0}};
  for (const auto& c : cases) {
    int32_t v = 0;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(v, c.value) << c.text;
  }
  EXPECT_THROW(StrToInt("x"), EConvertError);
  EXPECT_EQ(StrToIntDef("x", 5), 5);
}

TEST(Float, TextIgnoresTheUserLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  std::setlocale(LC_ALL, "de_DE.UTF-8");
  std::setlocale(LC_NUMERIC, "German_Germany.1252");
  EXPECT_EQ(StrToFloat("12.5"), 12.5);
  EXPECT_EQ(FloatToStr(12.5), "12.5");
  EXPECT_FALSE([] { double d; return TryStrToFloat("12,5", d); }());
  for (const char* bad : {"inf", "nan", "0x1p3", "", "+", "1e999"}) {
    double d;
    EXPECT_FALSE(TryStrToFloat(bad, d)) << bad;
  }
  EXPECT_EQ(StrToFloat("+1.5"), 1.5);
  EXPECT_EQ(StrToFloat("-2E3"), -2000);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(Rounding, HalvesGoToEvenAndTruncCutsTowardZero) {
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(0.6), 1);
  EXPECT_EQ(Trunc(-1.7), -1);
  EXPECT_EQ(Trunc(1.7), 1);
  EXPECT_DOUBLE_EQ(Int(-2.75), -2.0);
  EXPECT_DOUBLE_EQ(Frac(-2.75), -0.75);
}

TEST(Random, FollowsTheRuntimeGenerator) {
  TRandom r;
  r.Seed = 0;
  EXPECT_EQ(r.Next(100), 0);  // seed 1: 1 * 100 >> 32
  EXPECT_EQ(r.Seed, 1u);
  EXPECT_EQ(r.Next(100), 3);  // seed 134775814
  EXPECT_EQ(r.Seed, 134775814u);
}

TEST(CaseHandling, FoldsAsciiOnly) {
  EXPECT_TRUE(SameText("Kest_Tips", "KEST_TIPS"));
  EXPECT_FALSE(SameText("abc", "abd"));
  EXPECT_EQ(LowerCase("AbC\xC4"), "abc\xC4");
  EXPECT_LT(CompareText("apple", "Banana"), 0);
}

TEST(Variant, ConvertsBetweenKinds) {
  EXPECT_EQ(Variant().ToString(), "");
  EXPECT_TRUE(Variant::Null().IsNull());
  EXPECT_EQ(Variant(int32_t(5)).ToString(), "5");
  EXPECT_EQ(Variant("12").ToInteger(), 12);
  EXPECT_EQ(Variant(true).ToString(), "True");
  EXPECT_EQ(Variant(L"abc").ToString(), "abc");
  EXPECT_EQ(Variant("abc").ToWideString(), L"abc");
  EXPECT_DOUBLE_EQ(Variant("2.5").ToDouble(), 2.5);
  EXPECT_THROW(Variant("x").ToInteger(), EVariantError);
  EXPECT_TRUE(Variant("abc") == Variant(L"abc"));
  EXPECT_EQ(Variant(L"\u795d").ToString(), "\xD7\xA3");  // GBK
  EXPECT_EQ(Variant("\xD7\xA3").ToWideString(), L"\u795d");
  EXPECT_FALSE(Variant() == Variant(int32_t(0)));
}

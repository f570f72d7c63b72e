#include "engine/values/TextForms.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "classlib/core/SysUtils.h"

TEST(FloatText, WritesThreeDecimalsOnlyForFractions) {
  struct Case {
    float value;
    const char* text;
  } cases[] = {{10, "10"},          {-3, "-3"},          {0, "0"},           {-0.0f, "0"},
               {0.1f, "0.100"},     {-2.25f, "-2.250"},  {1.23456f, "1.235"}, {2.0001f, "2.000"},
               {0.0625f, "0.063"},  {-0.0625f, "-0.063"}, {12.5f, "12.500"}, {16777216, "16777216"},
               {1e10f, "10000000000"}};
  for (const Case& c : cases) EXPECT_EQ(vgFloatToStr(c.value), c.text) << c.text;
}

TEST(FloatText, ReadsTheRuntimeDecimalSyntaxOnly) {
  struct Case {
    const char* text;
    float value;
  } good[] = {{"1.5", 1.5f}, {" -2 ", -2}, {"+4", 4}, {".5", 0.5f}, {"3.", 3}, {"1e2", 100}, {"1E-1", 0.1f}};
  for (const Case& c : good) EXPECT_FLOAT_EQ(vgStrToFloat(c.text), c.value) << c.text;
  for (const char* bad : {"", " ", ".", "1,5", "1e", "inf", "nan", "0x10", "1.5x", "1e39", "--1"})
    EXPECT_THROW(vgStrToFloat(bad), EConvertError) << bad;
}

TEST(Token, StopsAtStopCharactersAndConsumesSeparators) {
  std::string s = " ab , cd;ef";
  EXPECT_EQ(vgGetToken(s, ","), "ab");
  EXPECT_EQ(s, "cd;ef");
  EXPECT_EQ(vgGetToken(s, ",", ";"), "cd");
  EXPECT_EQ(s, ";ef");
  EXPECT_EQ(vgGetToken(s, ",", ";"), "");
  EXPECT_EQ(s, ";ef");
  std::string empty;
  EXPECT_EQ(vgGetToken(empty, ","), "");
}

TEST(Token, WideTokenSkipsSeparatorsAroundTheToken) {
  std::wstring text = L"  one, two.";
  int pos = 1;
  EXPECT_EQ(vgGetWideToken(text, pos, L" ,", L"."), L"one");
  EXPECT_EQ(pos, 8);
  EXPECT_EQ(vgGetWideToken(text, pos, L" ,", L"."), L"two");
  EXPECT_EQ(pos, 11);
  EXPECT_EQ(vgGetWideToken(text, pos, L" ,", L"."), L"");
  EXPECT_EQ(pos, 11);
  pos = 50;
  EXPECT_EQ(vgGetWideToken(text, pos, L" ,"), L"");
}

TEST(PointText, WritesAndReadsParenthesisedPairs) {
  EXPECT_EQ(vgPointToStr({10, 10}), "(10,10)");
  EXPECT_EQ(vgPointToStr({0.5f, -0.25f}), "(0.500,-0.250)");
  struct Case {
    const char* text;
    TvgPoint point;
  } cases[] = {{"(1.5,2)", {1.5f, 2}}, {" ( 1.5 , 2 ) ", {1.5f, 2}}, {"1.5,2", {0, 0}},
               {"(a,2)", {0, 0}},      {"", {0, 0}},                {"(3,4,5)", {3, 4}},
               {"(1,)", {0, 0}},       {"(\t7,\r\n8)", {7, 8}}};
  for (const Case& c : cases) EXPECT_EQ(vgStrToPoint(c.text), c.point) << c.text;
}

TEST(RectText, AnyMissingFieldGivesAllZeros) {
  EXPECT_EQ(vgRectToStr({0, 0.5f, 10, 10}), "(0,0.500,10,10)");
  struct Case {
    const char* text;
    TvgRect rect;
  } cases[] = {{"(1,2,3,4)", {1, 2, 3, 4}}, {"(1,2,3)", {}},     {"(1,2,3,4,5)", {1, 2, 3, 4}},
               {"(1,2,x,4)", {}},           {"garbage", {}},     {"(-1.25,0,1e1,2)", {-1.25f, 0, 10, 2}}};
  for (const Case& c : cases) EXPECT_EQ(vgStrToRect(c.text), c.rect) << c.text;
}

// The user's locale may use "," as decimal separator; the toolkit's texts must not follow it.
class CommaDecimalLocale : public ::testing::Test {
protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"German_Germany.1252", "de-DE", "de_DE", "deu", "de_DE.UTF-8"})
      if (std::setlocale(LC_ALL, name)) break;
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "no comma-decimal C locale is available to test under";
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
  std::string saved_;
};

TEST_F(CommaDecimalLocale, TextFormsKeepThePoint) {
  EXPECT_EQ(vgFloatToStr(12.5f), "12.500");
  EXPECT_FLOAT_EQ(vgStrToFloat("12.5"), 12.5f);
  EXPECT_THROW(vgStrToFloat("12,5"), EConvertError);
  EXPECT_EQ(vgPointToStr({0.5f, 1}), "(0.500,1)");
  EXPECT_EQ(vgStrToPoint("(0.5,1)"), (TvgPoint{0.5f, 1}));
  EXPECT_EQ(vgStrToRect("(0.5,1.5,2.5,3.5)"), (TvgRect{0.5f, 1.5f, 2.5f, 3.5f}));
}

// Whatever the text, the point and rectangle it gives are finite, and their written forms read
// back to within their three decimals.
TEST(RectText, RandomTextsGiveFiniteValuesWhoseTextReadsBack) {
  static constexpr char kAlphabet[] = "(),.-+eE0123456789 \t\x01\xffxa";
  TRandom random;
  random.Seed = 7;
  for (int round = 0; round < 500; ++round) {
    std::string text;
    int length = random.Next(30);
    for (int i = 0; i < length; ++i) text += kAlphabet[random.Next(int(sizeof kAlphabet) - 1)];
    TvgPoint p;
    TvgRect r;
    ASSERT_NO_THROW(p = vgStrToPoint(text)) << text;
    ASSERT_NO_THROW(r = vgStrToRect(text)) << text;
    const TvgPoint pointBack = vgStrToPoint(vgPointToStr(p));
    const TvgRect rectBack = vgStrToRect(vgRectToStr(r));
    const float read[] = {pointBack.X, pointBack.Y, rectBack.Left, rectBack.Top, rectBack.Right, rectBack.Bottom};
    const float given[] = {p.X, p.Y, r.Left, r.Top, r.Right, r.Bottom};
    for (size_t i = 0; i < std::size(given); ++i) {
      EXPECT_TRUE(std::isfinite(given[i])) << text;
      EXPECT_NEAR(read[i], given[i], 0.0005f + std::fabs(given[i]) * 1e-6f) << text;
    }
  }
}

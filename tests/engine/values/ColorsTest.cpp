#include "engine/values/Colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "classlib/core/SysUtils.h"

TEST(ColorText, WritesEightUpperCaseDigitsAlphaFirst) {
  EXPECT_EQ(vgColorToStr(0xFF337AB7), "#FF337AB7");
  EXPECT_EQ(vgColorToStr(0), "#00000000");
  EXPECT_EQ(vgColorToStr(vgMakeColor(0x12, 0x34, 0x56, 0x78)), "#78123456");
}

TEST(ColorText, ReadsHashNamesAndRuntimeIntegers) {
  struct Case {
    const char* text;
    TvgColor color;
  } cases[] = {
      {"#FF0000FF", 0xFF0000FF}, {"#80FF0000", 0x80FF0000}, {"#ff337ab7", 0xFF337AB7}, {"#FF0000", 0x00FF0000},
      {"red", 0xFFFF0000},       {"Red", 0xFFFF0000},       {"RED", 0xFFFF0000},       {"grey", 0xFF808080},
      {"gray", 0xFF808080},      {"Aliceblue", 0xFFF0F8FF}, {"$FF00FF00", 0xFF00FF00}, {"255", 0x000000FF},
      {"0x10", 0x10},            {"x1F", 0x1F},             {"X1f", 0x1F},             {"  -1", 0xFFFFFFFF},
      {"+7", 7},                 {"-$1", 0xFFFFFFFF},       {"2147483647", 0x7FFFFFFF}, {"-2147483648", 0x80000000},
  };
  for (const Case& c : cases) EXPECT_EQ(vgStrToColor(c.text), c.color) << c.text;
}

TEST(ColorText, AnythingElseIsTransparentBlack) {
  for (const char* bad : {"", "nocolor", "#GG000000", "#", "$", "#1FFFFFFFF", "4294967295", "12 ", "1.5", "#FF 00",
                          "0x", "--1", "redd", "\x01\xff"})
    EXPECT_EQ(vgStrToColor(bad), 0u) << bad;
}

TEST(ColorText, TryingTellsNoColourFromTransparentBlack) {
  TvgColor color = 0x12345678;
  EXPECT_FALSE(vgTryStrToColor("#GG000000", color));
  EXPECT_EQ(color, 0x12345678u) << "kept";
  EXPECT_TRUE(vgTryStrToColor("#00000000", color));
  EXPECT_EQ(color, 0u);
  EXPECT_TRUE(vgTryStrToColor("red", color));
  EXPECT_EQ(color, 0xFFFF0000u);
}

TEST(ColorNames, TableHasTheSvgKeywordsInOrder) {
  auto idents = vgColorIdents();
  ASSERT_EQ(idents.size(), 147u);
  std::set<std::string> names;
  for (size_t i = 0; i < idents.size(); ++i) {
    std::string name = idents[i].Name;
    names.insert(name);
    EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z') << name;
    EXPECT_EQ(std::string(idents[i].Value).substr(0, 3), "#FF") << name;
    EXPECT_EQ(std::string(idents[i].Value).size(), 9u) << name;
    if (i > 0 && name != "Grey" && std::string(idents[i - 1].Name) != "Grey")
      EXPECT_LT(std::string(idents[i - 1].Name), name);
  }
  EXPECT_EQ(names.size(), 147u);
  EXPECT_EQ(std::string(idents[56].Name), "Grey");
  EXPECT_EQ(std::string(idents[55].Name), "Greenyellow");
  struct Known {
    const char* name;
    TvgColor color;
  } known[] = {{"Darkslategray", 0xFF2F4F4F}, {"Yellowgreen", 0xFF9ACD32}, {"Green", 0xFF008000},
               {"Lime", 0xFF00FF00},          {"Rebeccapurple", 0},       {"Lightgoldenrodyellow", 0xFFFAFAD2}};
  for (const Known& k : known) EXPECT_EQ(vgStrToColor(k.name), k.color) << k.name;
}

TEST(ColorMath, PremultiplyTruncatesAndKeepsAlpha) {
  EXPECT_EQ(vgPremultiplyColor(0x40800000), 0x40200000u);
  EXPECT_EQ(vgPremultiplyColor(0x00FF0000), 0u);
  EXPECT_EQ(vgPremultiplyColor(0xFF123456), 0xFF123456u);
  EXPECT_EQ(vgUnpremultiplyColor(0x40200000), 0x407F0000u);  // 32 / (64 / 255) = 127.5
  EXPECT_EQ(vgUnpremultiplyColor(0x03030303), 0x03FFFFFFu);
  EXPECT_EQ(vgUnpremultiplyColor(0x00FFFFFF), 0u);
  EXPECT_EQ(vgColorToPixel(0x12345678), 0x12345678u);
}

TEST(ColorMath, OpacityScalesOnlyAlpha) {
  EXPECT_EQ(vgOpacityColor(0x80FF0000, 0.5f), 0x40FF0000u);
  EXPECT_EQ(vgOpacityColor(0x80FF0000, 1.5f), 0x80FF0000u);
  EXPECT_EQ(vgOpacityColor(0xFF00FF00, 0.999f), 0xFE00FF00u);
  EXPECT_EQ(vgOpacityColor(0xFF00FF00, -1), 0x0000FF00u);
}

TEST(ColorMath, InterpolateTruncatesEachChannel) {
  EXPECT_EQ(vgInterpolateColor(0xFF000000, 0xFFFFFFFF, 0.5f), 0xFF7F7F7Fu);
  EXPECT_EQ(vgInterpolateColor(0xFFFFFFFF, 0x00000000, 0.5f), 0x80808080u);  // 255 + Trunc(-127.5)
  EXPECT_EQ(vgInterpolateColor(0x10203040, 0x10203040, 0.3f), 0x10203040u);
  EXPECT_EQ(vgInterpolateColor(0xFF000000, 0xFF0000FF, 1), 0xFF0000FFu);
}

TEST(ColorMath, HslRoundTripsAndClamps) {
  EXPECT_EQ(vgHSLtoRGB(0, 1, 0.5f), 0xFFFF0000u);
  EXPECT_EQ(vgHSLtoRGB(1.0f / 3, 1, 0.5f), 0xFF00FF00u);
  EXPECT_EQ(vgHSLtoRGB(0.5f, 0, 0.5f), 0xFF808080u);  // Round(127.5) = 128
  float h, s, l;
  vgRGBtoHSL(0xFF808080, h, s, l);
  EXPECT_FLOAT_EQ(h, 0);
  EXPECT_FLOAT_EQ(s, 0);
  EXPECT_NEAR(l, 0.50196, 1e-5);
  vgRGBtoHSL(0x000000FF, h, s, l);
  EXPECT_NEAR(h, 2.0 / 3, 1e-6);
  EXPECT_FLOAT_EQ(s, 1);
  for (TvgColor c : {0xFF337AB7u, 0xFFFF8000u, 0xFF0A0B0Cu}) {
    vgRGBtoHSL(c, h, s, l);
    EXPECT_EQ(vgHSLtoRGB(h, s, l), c) << std::hex << c;
  }
  EXPECT_EQ(vgChangeHSL(0x80FF0000, 0, 0, 1), 0x80FFFFFFu);
  EXPECT_EQ(vgChangeHSL(0x80FF0000, 0, 0, -1), 0x80000000u);
}

// Whatever the text, the colour it gives is written as "#" and eight digits that read back to it;
// "#" and hexadecimal digits read as that number; a byte that neither a name nor a number holds
// gives 0.
TEST(ColorText, RandomTextsGiveColoursThatReadBack) {
  static constexpr char kAlphabet[] = "#$xX0123456789abcdefABCDEFgG+- redRED\x01\xff";
  static constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";
  TRandom random;
  random.Seed = 11;
  for (int round = 0; round < 500; ++round) {
    std::string text;
    int length = random.Next(14);
    for (int i = 0; i < length; ++i) text += kAlphabet[random.Next(int(sizeof kAlphabet) - 1)];
    TvgColor color = 0;
    ASSERT_NO_THROW(color = vgStrToColor(text)) << text;
    const std::string written = vgColorToStr(color);
    ASSERT_EQ(written.size(), 9u) << text;
    EXPECT_EQ(vgStrToColor(written), color) << text;
    const std::string digits = text.substr(std::min<size_t>(1, text.size()));
    if (text.size() >= 2 && text.size() <= 9 && text[0] == '#' && digits.find_first_not_of(kHexDigits) == std::string::npos)
      EXPECT_EQ(color, TvgColor(std::stoul(digits, nullptr, 16))) << text;
    if (text.find_first_of("\x01\xff") != std::string::npos) EXPECT_EQ(color, 0u) << text;
  }
}

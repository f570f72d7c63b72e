// The six bitmap effects: their properties and ranges, the areas they ask for, and their output
// on pixels, given bitmaps laid out as the paint pipeline lays them out (the object rendered at
// the effect's offset in a bitmap of the effect's rect).
#include "engine/effects/Effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "classlib/core/Property.h"
#include "classlib/core/StringStream.h"
#include "engine/effects/EffectsUnit.h"
#include "engine/paint/Bitmap.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/tree/ObjectStreaming.h"
#include "engine/paint/StackBlur.h"

namespace {

constexpr TvgColor kWhite = 0xFFFFFFFF;
constexpr TvgColor kGrey = 0xFF808080;
constexpr TvgColor kGold = 0xFFFFD700;

struct FreeObject {
  void operator()(TObject* object) const { object->Free(); }
};
template <class T>
using Owned = std::unique_ptr<T, FreeObject>;

class Effects : public testing::Test {
protected:
  void SetUp() override { vgInitializeEffectsUnit(); }

  template <class E>
  static Owned<E> Make() {
    return Owned<E>(new E(nullptr));
  }

  static Owned<TvgEffect> MakeByName(const std::string& className) {
    TClass effectClass = GetClass(className);
    if (!effectClass) return nullptr;
    return Owned<TvgEffect>(dynamic_cast<TvgEffect*>(effectClass->Construct(nullptr)));
  }

  // A size x size square of colour, rendered for the effect into a bitmap of its rect.
  static std::unique_ptr<TvgBitmap> Square(TvgEffect& effect, int size, TvgColor color) {
    TvgRect rect = effect.GetRect({0, 0, float(size), float(size)});
    TvgPoint offset = effect.GetOffset();
    auto bitmap = std::make_unique<TvgBitmap>(int(Trunc(vgRectWidth(rect))), int(Trunc(vgRectHeight(rect))));
    bitmap->ClearRect({offset.X, offset.Y, offset.X + size, offset.Y + size}, color);
    return bitmap;
  }

  static TvgColor At(TvgBitmap& bitmap, int x, int y) { return bitmap.GetScanline(y)[x]; }
  static uint32_t AlphaAt(TvgBitmap& bitmap, int x, int y) { return At(bitmap, x, y) >> 24; }
  static std::vector<TvgColor> Pixels(const TvgBitmap& bitmap) {
    return {bitmap.Bits(), bitmap.Bits() + size_t(bitmap.Width()) * bitmap.Height()};
  }
  static float Lightness(TvgColor pixel) {
    float h, s, l;
    vgRGBtoHSL(vgUnpremultiplyColor(pixel), h, s, l);
    return l;
  }
  static double Number(const TPropValue& value) {
    if (auto* d = std::get_if<double>(&value)) return *d;
    return double(std::get<int64_t>(value));
  }
};

// The straight colour of a premultiplied pixel is the wanted one, up to the rounding of
// premultiplication.
testing::AssertionResult HasColour(TvgColor pixel, TvgColor colour) {
  TvgColor straight = vgUnpremultiplyColor(pixel);
  for (int shift : {0, 8, 16})
    if (std::abs(int((straight >> shift) & 0xFF) - int((colour >> shift) & 0xFF)) > 4)
      return testing::AssertionFailure() << vgColorToStr(straight) << " is not " << vgColorToStr(colour);
  return testing::AssertionSuccess();
}

TEST_F(Effects, AreRegisteredUnderEffects) {
  std::vector<std::string> registered;
  for (const TvgObjectCategory& entry : vgObjectCategories())
    if (entry.Category == "Effects") registered.push_back(entry.Class->Name);
  const std::vector<std::string> expected = {"TvgShadowEffect", "TvgBlurEffect",  "TvgGlowEffect",
                                             "TvgInnerGlowEffect", "TvgBevelEffect", "TvgReflectionEffect"};
  EXPECT_EQ(registered, expected);
  for (const std::string& name : expected) EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST_F(Effects, FlagsSayWhetherTheObjectIsPaintedAndWhen) {
  struct Case {
    const char* className;
    bool replaces, after;
  } cases[] = {{"TvgShadowEffect", false, false}, {"TvgBlurEffect", true, false},
               {"TvgGlowEffect", false, false},   {"TvgInnerGlowEffect", false, true},
               {"TvgBevelEffect", true, false},   {"TvgReflectionEffect", false, false}};
  for (const Case& c : cases) {
    auto effect = MakeByName(c.className);
    ASSERT_NE(effect, nullptr) << c.className;
    EXPECT_EQ(effect->ReplacesPainting(), c.replaces) << c.className;
    EXPECT_EQ(effect->PaintsAfter(), c.after) << c.className;
    EXPECT_TRUE(effect->Enabled()) << c.className;
  }
}

TEST_F(Effects, SettersKeepValuesInTheirRanges) {
  struct Case {
    const char* className;
    const char* property;
    double value, stored;
  } cases[] = {
      {"TvgShadowEffect", "Softness", 5, 3},        {"TvgShadowEffect", "Softness", -1, 0},
      {"TvgShadowEffect", "Opacity", 1.5, 1},       {"TvgShadowEffect", "Opacity", -0.5, 0},
      {"TvgShadowEffect", "Distance", -40, -40},    {"TvgShadowEffect", "Direction", 720, 720},
      {"TvgBlurEffect", "Softness", 12, 9},         {"TvgBlurEffect", "Softness", 0, 0},
      {"TvgGlowEffect", "Softness", 10, 9},         {"TvgGlowEffect", "Opacity", 2, 1},
      {"TvgInnerGlowEffect", "Softness", 9.5, 9},   {"TvgInnerGlowEffect", "Opacity", -1, 0},
      {"TvgBevelEffect", "Size", -3, -3},           {"TvgBevelEffect", "Direction", -90, -90},
      {"TvgReflectionEffect", "Length", 0, 0.1f},   {"TvgReflectionEffect", "Length", 2, 1},
      {"TvgReflectionEffect", "Opacity", 3, 3},     {"TvgReflectionEffect", "Offset", -7, -7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.className << "." << c.property << " := " << c.value);
    auto effect = MakeByName(c.className);
    ASSERT_NE(effect, nullptr);
    const TPropInfo* prop = FindPropInfo(effect.get(), c.property);
    ASSERT_NE(prop, nullptr);
    prop->Set(*effect, prop->Kind == TPropKind::Integer ? TPropValue(int64_t(c.value)) : TPropValue(c.value));
    EXPECT_EQ(Number(prop->Get(*effect)), c.stored);
  }
}

TEST_F(Effects, AskForTheirMarginsAndOffsets) {
  const double shift = 3 * std::cos(std::atan(1.0));  // the default distance along 45 degrees
  struct Case {
    const char* className;
    TvgRect rect;
    TvgPoint offset;
  } cases[] = {
      {"TvgShadowEffect", {float(-6 + shift), float(-6 + shift), float(106 + shift), float(56 + shift)}, {6, 6}},
      {"TvgBlurEffect", {-6, -6, 106, 56}, {6, 6}},
      {"TvgGlowEffect", {-13, -13, 113, 63}, {13, 13}},
      {"TvgInnerGlowEffect", {-8, -8, 108, 58}, {8, 8}},
      {"TvgBevelEffect", {-5, -5, 105, 55}, {5, 5}},
      {"TvgReflectionEffect", {-2, 48, 102, 102}, {2, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    auto effect = MakeByName(c.className);
    ASSERT_NE(effect, nullptr);
    TvgRect rect = effect->GetRect({0, 0, 100, 50});
    EXPECT_NEAR(rect.Left, c.rect.Left, 1e-4);
    EXPECT_NEAR(rect.Top, c.rect.Top, 1e-4);
    EXPECT_NEAR(rect.Right, c.rect.Right, 1e-4);
    EXPECT_NEAR(rect.Bottom, c.rect.Bottom, 1e-4);
    EXPECT_EQ(effect->GetOffset(), c.offset);
  }
}

TEST_F(Effects, MarginsFollowTheProperties) {
  auto shadow = Make<TvgShadowEffect>();
  shadow->SetSoftness(0.7f);  // 0.7 as a single is just below it: 13, not 14
  shadow->SetDistance(10);
  shadow->SetDirection(90);
  TvgRect rect = shadow->GetRect({0, 0, 10, 10});
  EXPECT_NEAR(rect.Left, -13, 1e-4);
  EXPECT_NEAR(rect.Top, -13 + 10, 1e-4);
  EXPECT_EQ(shadow->GetOffset(), (TvgPoint{13, 13}));

  auto reflection = Make<TvgReflectionEffect>();
  reflection->SetOffset(4);
  EXPECT_EQ(reflection->GetRect({10, 20, 30, 60}), (TvgRect{8, 18 + 44, 32, 62 + 44}));
}

// --- Pixels -------------------------------------------------------------------------------------

TEST_F(Effects, BlurWithoutSoftnessChangesNothing) {
  auto blur = Make<TvgBlurEffect>();
  blur->SetSoftness(0);
  auto bitmap = Square(*blur, 6, kWhite);
  std::vector<TvgColor> before = Pixels(*bitmap);
  blur->ProcessEffect(nullptr, bitmap.get(), 1);
  EXPECT_EQ(Pixels(*bitmap), before);
}

TEST_F(Effects, BlurRadiusGrowsWithSoftness) {
  for (auto [softness, radius] : {std::pair{0.3f, 4}, {1.0f, 15}, {9.0f, 135}}) {
    auto blur = Make<TvgBlurEffect>();
    blur->SetSoftness(softness);
    auto bitmap = Square(*blur, 8, kWhite);
    auto expected = Square(*blur, 8, kWhite);
    BlurBitmap(*expected, radius);
    blur->ProcessEffect(nullptr, bitmap.get(), 1);
    EXPECT_EQ(Pixels(*bitmap), Pixels(*expected)) << softness;
  }
}

// The bitmap is 46 x 46 with the square at 13..32; the glow's blur radius is 9.
TEST_F(Effects, GlowSurroundsTheObjectAndLeavesItClear) {
  auto glow = Make<TvgGlowEffect>();
  auto bitmap = Square(*glow, 20, kWhite);
  ASSERT_EQ(bitmap->Width(), 46);
  glow->ProcessEffect(nullptr, bitmap.get(), 1);
  for (int y = 13; y < 33; ++y)
    for (int x = 13; x < 33; ++x) ASSERT_EQ(At(*bitmap, x, y), 0u) << x << "," << y;
  for (auto [x, y] : {std::pair{12, 22}, {33, 22}, {22, 12}, {22, 33}}) {
    EXPECT_GT(AlphaAt(*bitmap, x, y), 60u) << x << "," << y;
    EXPECT_LE(AlphaAt(*bitmap, x, y), 229u) << "at most the glow's opacity";
    EXPECT_TRUE(HasColour(At(*bitmap, x, y), kGold)) << x << "," << y;
  }
  EXPECT_GT(AlphaAt(*bitmap, 12, 22), AlphaAt(*bitmap, 8, 22)) << "fades away from the object";
  EXPECT_EQ(At(*bitmap, 0, 0), 0u) << "beyond the blur";
}

TEST_F(Effects, InnerGlowStaysInsideTheOutline) {
  auto glow = Make<TvgInnerGlowEffect>();
  auto bitmap = Square(*glow, 30, kWhite);  // at 8..37 in 46 x 46
  glow->ProcessEffect(nullptr, bitmap.get(), 1);
  for (int i = 0; i < 46; ++i) {
    ASSERT_EQ(AlphaAt(*bitmap, i, 7), 0u) << i;
    ASSERT_EQ(AlphaAt(*bitmap, 7, i), 0u) << i;
    ASSERT_EQ(AlphaAt(*bitmap, i, 38), 0u) << i;
  }
  for (auto [x, y] : {std::pair{8, 22}, {37, 22}, {22, 8}, {22, 37}}) {
    EXPECT_GT(AlphaAt(*bitmap, x, y), 60u) << x << "," << y;
    EXPECT_TRUE(HasColour(At(*bitmap, x, y), kGold)) << x << "," << y;
  }
  EXPECT_EQ(AlphaAt(*bitmap, 22, 22), 0u) << "the middle is farther from the outline than the blur reaches";
}

// The square lies at 6..25 of a 32 x 32 bitmap; the object will be drawn Round(scale x 2.12)
// up and left of it, and covers its own shadow there.
TEST_F(Effects, ShadowIsCutWhereTheObjectCoversIt) {
  struct Case {
    float scale;
    int lastCut, firstShadow;  // columns on row 15
  } cases[] = {{1, 23, 24}, {2, 21, 22}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scale);
    auto shadow = Make<TvgShadowEffect>();
    auto bitmap = Square(*shadow, 20, kWhite);
    ASSERT_EQ(bitmap->Width(), 32);
    shadow->ProcessEffect(nullptr, bitmap.get(), c.scale);
    EXPECT_EQ(At(*bitmap, 12, 12), 0u);
    EXPECT_EQ(At(*bitmap, c.lastCut, 15), 0u);
    TvgColor shade = At(*bitmap, c.firstShadow, 15);
    EXPECT_GT(shade >> 24, 60u);
    EXPECT_LE(shade >> 24, 153u) << "at most the shadow's opacity";
    EXPECT_EQ(shade & 0x00FFFFFF, 0u) << "black";
  }
}

TEST_F(Effects, ShadowTakesItsColour) {
  auto shadow = Make<TvgShadowEffect>();
  shadow->SetShadowColor("#FF2040C0");
  shadow->SetOpacity(1);
  auto bitmap = Square(*shadow, 20, kWhite);
  shadow->ProcessEffect(nullptr, bitmap.get(), 1);
  EXPECT_GT(AlphaAt(*bitmap, 25, 15), 60u);
  EXPECT_TRUE(HasColour(At(*bitmap, 25, 15), 0xFF2040C0));
}

TEST_F(Effects, BevelOfSizeZeroChangesNothing) {
  auto bevel = Make<TvgBevelEffect>();
  bevel->SetSize(0);
  auto bitmap = Square(*bevel, 20, kGrey);
  std::vector<TvgColor> before = Pixels(*bitmap);
  bevel->ProcessEffect(nullptr, bitmap.get(), 1);
  EXPECT_EQ(Pixels(*bitmap), before);
}

// A grey square at 5..24 of 30 x 30: the edges facing the light get lighter, those turned away
// darker, the flat middle keeps its grey.
TEST_F(Effects, BevelLightsTheEdgesFacingTheLight) {
  struct Case {
    float direction;
    bool leftLighter;
  } cases[] = {{45, true}, {225, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.direction);
    auto bevel = Make<TvgBevelEffect>();
    bevel->SetSize(3);
    bevel->SetDirection(c.direction);
    auto bitmap = Square(*bevel, 20, kGrey);
    bevel->ProcessEffect(nullptr, bitmap.get(), 1);
    const float grey = Lightness(kGrey);
    float left = Lightness(At(*bitmap, 5, 15)), right = Lightness(At(*bitmap, 24, 15));
    float top = Lightness(At(*bitmap, 15, 5)), bottom = Lightness(At(*bitmap, 15, 24));
    EXPECT_EQ(left > grey + 0.05f, c.leftLighter) << left;
    EXPECT_EQ(right < grey - 0.05f, c.leftLighter) << right;
    EXPECT_EQ(top > grey + 0.05f, c.leftLighter) << top;
    EXPECT_EQ(bottom < grey - 0.05f, c.leftLighter) << bottom;
    EXPECT_NEAR(Lightness(At(*bitmap, 15, 15)), grey, 0.01f);
    EXPECT_EQ(AlphaAt(*bitmap, 15, 15), 255u);
    EXPECT_EQ(At(*bitmap, 2, 2), 0u) << "transparent stays transparent";
  }
}

TEST_F(Effects, BevelLeavesTheLastRowAndColumn) {
  auto bevel = Make<TvgBevelEffect>();
  bevel->SetSize(2);
  TvgBitmap bitmap(6, 6);
  bitmap.ClearRect({1, 0, 6, 6}, kGrey);  // the first column is transparent
  std::vector<TvgColor> before = Pixels(bitmap);
  bevel->ProcessEffect(nullptr, &bitmap, 1);
  EXPECT_NE(At(bitmap, 1, 2), before[2 * 6 + 1]) << "the edge is lit";
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(At(bitmap, 5, i), before[i * 6 + 5]) << "last column, row " << i;
    EXPECT_EQ(At(bitmap, i, 5), before[5 * 6 + i]) << "last row, column " << i;
  }
}

// 11 opaque rows, row y with red y x 20: upside down, Round(10 x Length) rows stay, fading.
TEST_F(Effects, ReflectionFlipsAndFadesAwayFromTheObject) {
  struct Case {
    float opacity, length;
    std::vector<uint32_t> alphas;  // of the rows from the top; the rest are cleared
  } cases[] = {
      {0.5f, 0.5f, {127, 102, 76, 51, 25}},
      {2, 0.5f, {255, 255, 255, 204, 102}},  // an opacity above 1 saturates
      {1, 0.2f, {255, 127}},
      {0.5f, 0, {127}},  // Length is at least 0.1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "opacity " << c.opacity << " length " << c.length);
    auto reflection = Make<TvgReflectionEffect>();
    reflection->SetOpacity(c.opacity);
    reflection->SetLength(c.length);
    TvgBitmap bitmap(2, 11);
    for (int y = 0; y < 11; ++y)
      bitmap.ClearRect({0, float(y), 2, float(y + 1)}, vgMakeColor(uint8_t(y * 20), 0, 255, 255));
    reflection->ProcessEffect(nullptr, &bitmap, 1);
    for (int y = 0; y < 11; ++y) {
      TvgColor expected = 0;
      if (size_t(y) < c.alphas.size())
        expected = vgPremultiplyColor(vgMakeColor(uint8_t((10 - y) * 20), 0, 255, uint8_t(c.alphas[size_t(y)])));
      EXPECT_EQ(At(bitmap, 0, y), expected) << "row " << y;
      EXPECT_EQ(At(bitmap, 1, y), expected) << "row " << y;
    }
  }
}

// --- Streaming ---------------------------------------------------------------------------------

std::string SaveText(TvgObject* object) {
  TStringStream text;
  vgSaveObjectToText(object, text);
  return text.DataString();
}

TEST_F(Effects, WriteNoPropertyAtItsDefault) {
  for (const char* className : {"TvgShadowEffect", "TvgBlurEffect", "TvgGlowEffect", "TvgInnerGlowEffect",
                                "TvgBevelEffect", "TvgReflectionEffect"}) {
    auto effect = MakeByName(className);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(SaveText(effect.get()), std::string("object ") + className + "\r\nend\r\n");
  }
}

TEST_F(Effects, EveryClassSurvivesARoundTripWithItsNonDefaultProperties) {
  struct Case {
    const char* className;
    std::vector<std::pair<const char*, TPropValue>> values;
    std::vector<const char*> written;
  } cases[] = {
      {"TvgShadowEffect",
       {{"Distance", 5.0},
        {"Direction", 90.0},
        {"Softness", 1.5},
        {"Opacity", 0.25},
        {"ShadowColor", std::string("#80102030")}},
       {"Distance = 5", "Direction = 90", "Softness = 1.5", "Opacity = 0.25", "ShadowColor = '#80102030'"}},
      {"TvgBlurEffect", {{"Softness", 2.5}}, {"Softness = 2.5"}},
      {"TvgGlowEffect",
       {{"Softness", 1.0}, {"Opacity", 0.5}, {"GlowColor", std::string("#FF00FF00")}},
       {"Softness = 1", "Opacity = 0.5", "GlowColor = '#FF00FF00'"}},
      {"TvgInnerGlowEffect",
       {{"Softness", 2.0}, {"Opacity", 0.75}, {"GlowColor", std::string("#FFFF0000")}},
       {"Softness = 2", "Opacity = 0.75", "GlowColor = '#FFFF0000'"}},
      {"TvgBevelEffect", {{"Direction", 135.0}, {"Size", int64_t(4)}}, {"Direction = 135", "Size = 4"}},
      {"TvgReflectionEffect",
       {{"Opacity", 0.75}, {"Offset", int64_t(3)}, {"Length", 0.25}},
       {"Opacity = 0.75", "Offset = 3", "Length = 0.25"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className);
    auto effect = MakeByName(c.className);
    ASSERT_NE(effect, nullptr);
    effect->SetEnabled(false);
    effect->SetTrigger("IsFocused=true");
    for (const auto& [name, value] : c.values) SetPropValue(effect.get(), name, value);
    std::string written = SaveText(effect.get());
    for (const char* line : c.written) EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
    EXPECT_NE(written.find("Enabled = False"), std::string::npos) << written;
    EXPECT_NE(written.find("Trigger = 'IsFocused=true'"), std::string::npos) << written;

    TStringStream input(written);
    Owned<TvgObject> loaded(vgLoadObjectFromText(nullptr, input));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ClassType(), effect->ClassType());
    for (const auto& [name, value] : c.values) EXPECT_EQ(GetPropValue(loaded.get(), name), value) << name;
    EXPECT_EQ(SaveText(loaded.get()), written);
  }
}

}  // namespace

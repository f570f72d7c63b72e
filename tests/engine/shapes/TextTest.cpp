// TvgText: what it hands the canvas, its size fitting and stretching (with a canvas whose text
// cells are 10 x 20), and real Tahoma and Chinese glyphs through the GDI+ canvas.
#include "engine/shapes/Text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/ShapeFixture.h"

namespace {

class TextCalls : public ShapeCalls {
protected:
  TvgText* AddText(const std::wstring& text, float width = 100, float height = 50) {
    auto* object = Add<TvgText>(0, 0, width, height);
    object->SetText(text);
    return object;
  }
};

TEST_F(TextCalls, TheTextIsFilledIntoTheLocalRectInItsFontAndFillColour) {
  TvgText* text = AddText(L"label", 120, 40);
  text->Font()->SetSize(17);
  text->Fill()->SetSolidColor(0xFF102030);
  text->SetHorzTextAlign(vgTextAlignFar);
  text->SetVertTextAlign(vgTextAlignNear);
  text->SetWordWrap(false);
  text->SetOpacity(0.5f);
  Paint();
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"FillText"}));
  const TShapeCall& call = canvas.calls.back();
  EXPECT_EQ(call.Text, L"label");
  EXPECT_EQ(call.Rect, (TvgRect{0, 0, 120, 40}));
  EXPECT_EQ(call.FontSize, 17);
  EXPECT_EQ(call.Fill, 0xFF102030u);
  EXPECT_EQ(call.Align, vgTextAlignFar);
  EXPECT_EQ(call.VAlign, vgTextAlignNear);
  EXPECT_FALSE(call.WordWrap);
  EXPECT_EQ(call.Opacity, 0.5f);
}

TEST_F(TextCalls, ANewTextIsBlackCentredWrappedAndWithoutStroke) {
  TvgText text(nullptr);
  EXPECT_EQ(text.Fill()->SolidColor(), 0xFF000000u);
  EXPECT_EQ(text.Stroke()->Style(), vgBrushNone);
  EXPECT_EQ(text.HorzTextAlign(), vgTextAlignCenter);
  EXPECT_EQ(text.VertTextAlign(), vgTextAlignCenter);
  EXPECT_TRUE(text.WordWrap());
  EXPECT_FALSE(text.AutoSize());
  EXPECT_FALSE(text.Stretch());
}

// Four characters of 10 x 20 at font size 10.
TEST_F(TextCalls, AutoSizeFitsTheWidthOfOneLineAndTheHeightUnlessCentred) {
  struct Case {
    bool wordWrap;
    TvgTextAlign valign;
    float width, height;
  } cases[] = {
      {false, vgTextAlignCenter, 45, 50},
      {false, vgTextAlignNear, 45, 20},
      {false, vgTextAlignFar, 45, 20},
      {true, vgTextAlignNear, 25, 40},  // two characters a line in 25 units
      {true, vgTextAlignCenter, 25, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "wrap " << c.wordWrap << ", vertical " << c.valign);
    TvgText* text = AddText(L"abcd", 25, 50);
    text->Font()->SetSize(10);
    text->SetWordWrap(c.wordWrap);
    text->SetVertTextAlign(c.valign);
    text->SetAutoSize(true);
    EXPECT_EQ(text->Width(), c.width);
    EXPECT_EQ(text->Height(), c.height);
    text->Free();
  }
}

TEST_F(TextCalls, AnAutoSizedTextFollowsItsTextAndFont) {
  TvgText* text = AddText(L"ab");
  text->SetWordWrap(false);
  text->Font()->SetSize(10);
  text->SetAutoSize(true);
  EXPECT_EQ(text->Width(), 25);
  text->SetText(L"abcdef");
  EXPECT_EQ(text->Width(), 65);
  text->Font()->SetSize(20);
  EXPECT_EQ(text->Width(), 70);
  text->SetData(L"a");
  EXPECT_EQ(text->Width(), 20);
  text->SetText(L"");
  EXPECT_EQ(text->Width(), 20) << "an empty text keeps the size";
}

TEST_F(TextCalls, AnAutoSizedTextMakesItsParentLayOutAgain) {
  auto* row = Add<TvgVisualObject>(0, 0, 200, 30);
  auto* first = Add<TvgText>(0, 0, 50, 30, row);
  auto* second = Add<TvgText>(60, 0, 50, 30, row);
  first->SetAlign(vaLeft);
  second->SetAlign(vaLeft);
  first->SetWordWrap(false);
  first->Font()->SetSize(10);
  first->SetText(L"abc");
  first->SetAutoSize(true);
  EXPECT_EQ(first->Width(), 35);
  EXPECT_EQ(second->Position()->X(), 35);
  first->SetText(L"abcdefgh");
  EXPECT_EQ(second->Position()->X(), 85);
}

TEST_F(TextCalls, StretchScalesTheTextsOwnExtentToTheRect) {
  TvgText* text = AddText(L"abcd", 80, 60);
  text->Font()->SetSize(9);
  text->SetWordWrap(true);
  text->SetAutoSize(true);
  text->SetStretch(true);
  EXPECT_FALSE(text->AutoSize());
  Paint();
  ASSERT_EQ(canvas.Calls("MultiplyMatrix").size(), 1u);
  const TvgMatrix scale = canvas.Calls("MultiplyMatrix").at(0).Matrix;
  EXPECT_FLOAT_EQ(scale.m11, 80.0f / 40);
  EXPECT_FLOAT_EQ(scale.m22, 60.0f / 20);
  const TShapeCall fill = canvas.Calls("FillText").at(0);
  EXPECT_EQ(fill.Rect, (TvgRect{-3, -3, 43, 23}));
  EXPECT_FALSE(fill.WordWrap);
  EXPECT_FALSE(canvas.Calls("MeasureText").at(0).WordWrap);
}

TEST_F(TextCalls, AStretchedEmptyTextSetsNoScale) {
  TvgText* text = AddText(L"", 80, 60);
  text->SetStretch(true);
  Paint();
  EXPECT_TRUE(canvas.Calls("MultiplyMatrix").empty());
  EXPECT_EQ(canvas.Calls("FillText").at(0).Text, L"");
}

TEST_F(TextCalls, SettersRepaintOnlyForANewValue) {
  TvgText* text = AddText(L"x");
  text->SetBounds(10, 10, 50, 20);
  TvgFont bold;
  bold.SetStyle(vgFontBold);
  struct Case {
    const char* what;
    std::function<void()> set;
  } cases[] = {
      {"Text", [&] { text->SetText(L"y"); }},
      {"HorzTextAlign", [&] { text->SetHorzTextAlign(vgTextAlignNear); }},
      {"VertTextAlign", [&] { text->SetVertTextAlign(vgTextAlignFar); }},
      {"WordWrap", [&] { text->SetWordWrap(false); }},
      {"Stretch", [&] { text->SetStretch(true); }},
      {"Font.Size", [&] { text->Font()->SetSize(30); }},
  };
  for (const Case& c : cases) {
    scene.updateRects.clear();
    c.set();
    EXPECT_FALSE(scene.updateRects.empty()) << c.what;
    scene.updateRects.clear();
    c.set();
    EXPECT_TRUE(scene.updateRects.empty()) << c.what << " again";
  }
  text->SetFont(&bold);
  EXPECT_EQ(text->Font()->Style(), vgFontBold);
  EXPECT_NE(text->Font(), &bold);
}

TEST_F(TextCalls, ItsDataIsItsText) {
  TvgText* text = AddText(L"\u4E2D\u6587");
  EXPECT_EQ(text->GetData().ToWideString(), L"\u4E2D\u6587");
  text->SetData(Variant(42));
  EXPECT_EQ(text->Text(), L"42");
}

TEST(TextWithoutCanvas, AutoSizeWithoutACanvasKeepsTheSize) {
  TvgText text(nullptr);
  text.SetText(L"no canvas here");
  text.SetWordWrap(false);
  text.SetAutoSize(true);
  EXPECT_EQ(text.Width(), 50);
  EXPECT_EQ(text.Height(), 50);
}

// --- Pixels --------------------------------------------------------------------------------

class TextPixels : public ShapePixels {
protected:
  TvgText* AddText(const std::wstring& value, float width, float height, float size = 20) {
    auto* text = Add<TvgText>(0, 0, width, height);
    text->Font()->SetSize(size);
    text->SetText(value);
    return text;
  }
};

TEST_F(TextPixels, TahomaTextIsAlignedOnBothAxes) {
  struct Case {
    TvgTextAlign align, valign;
    float minLeft, maxRight, minTop, maxBottom;
  } cases[] = {
      {vgTextAlignNear, vgTextAlignNear, 0, 70, 0, 28},
      {vgTextAlignFar, vgTextAlignFar, 90, 160, 72, 100},
      {vgTextAlignCenter, vgTextAlignCenter, 45, 115, 35, 65},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "align " << c.align << ", " << c.valign);
    TvgText* text = AddText(L"Hello", 160, 100);
    text->SetHorzTextAlign(c.align);
    text->SetVertTextAlign(c.valign);
    Paint();
    const TvgRect ink = InkBounds();
    ASSERT_GT(vgRectWidth(ink), 30);
    EXPECT_GE(ink.Left, c.minLeft);
    EXPECT_LE(ink.Right, c.maxRight);
    EXPECT_GE(ink.Top, c.minTop);
    EXPECT_LE(ink.Bottom, c.maxBottom);
    text->Free();
  }
}

TEST_F(TextPixels, LongTextWrapsWithinTheWidthOrStaysOnOneLine) {
  TvgText* text = AddText(L"one two three four five", 70, 150);
  text->SetVertTextAlign(vgTextAlignNear);
  Paint();
  const TvgRect wrapped = InkBounds();
  EXPECT_LE(wrapped.Right, 70);
  EXPECT_GT(vgRectHeight(wrapped), 3 * 20);
  text->SetWordWrap(false);
  text->SetHorzTextAlign(vgTextAlignNear);
  Paint();
  EXPECT_LT(vgRectHeight(InkBounds()), 30) << "one line";
}

TEST_F(TextPixels, AutoSizeTakesTheTextWidthAndHalfTheFontSize) {
  TvgText* text = AddText(L"Sized", 20, 40);
  text->SetWordWrap(false);
  text->SetHorzTextAlign(vgTextAlignNear);
  text->SetAutoSize(true);
  TvgRect measured{0, 0, 1000, 1000};
  canvas->Font()->SetSize(20);
  canvas->MeasureText(measured, measured, L"Sized", false, vgTextAlignNear, vgTextAlignNear);
  EXPECT_FLOAT_EQ(text->Width(), measured.Right + 10);
  EXPECT_EQ(text->Height(), 40);
  Paint();
  EXPECT_LE(InkBounds().Right, text->Width());
  EXPECT_GT(InkBounds().Right, text->Width() - 20);
}

TEST_F(TextPixels, AStretchedTextFillsItsRect) {
  TvgText* text = AddText(L"WIDE", 150, 90, 11);
  text->SetStretch(true);
  Paint();
  const TvgRect ink = InkBounds();
  EXPECT_GT(vgRectWidth(ink), 110);
  EXPECT_GT(vgRectHeight(ink), 50);
  EXPECT_LE(ink.Right, 160);
}

TEST_F(TextPixels, TheFillIsTheTextColour) {
  TvgText* text = AddText(L"HHH", 160, 60, 40);
  text->Fill()->SetSolidColor(0xFF0000FF);
  Paint();
  uint32_t strongest = 0;
  TvgColor colour = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 160; ++x)
      if (Alpha(x, y) > strongest) strongest = Alpha(x, y), colour = At(x, y);
  EXPECT_GT(strongest, 240u);
  EXPECT_EQ(colour & 0x00FFFF00, 0u) << vgColorToStr(colour);
}

// Real glyphs differ from each other; missing ones are four identical boxes.
TEST_F(TextPixels, ChineseTextDrawsRealGlyphs) {
  const std::wstring chinese = L"\u7956\u8BFA\u66F4\u65B0";  // 祖诺更新
  TvgText* text = AddText(chinese, 160, 50, 32);
  text->SetHorzTextAlign(vgTextAlignNear);
  text->SetWordWrap(false);
  Paint();
  TvgRect measured{0, 0, 1000, 1000};
  canvas->Font()->SetSize(32);
  canvas->MeasureText(measured, measured, chinese, false, vgTextAlignNear, vgTextAlignNear);
  ASSERT_GT(vgRectWidth(measured), 4 * 32 * 0.8f);
  const float cell = vgRectWidth(measured) / 4;
  std::vector<std::vector<bool>> cells(4);
  int inked = 0;
  for (int i = 0; i < 4; ++i)
    for (int y = 0; y < 50; ++y)
      for (int x = 1; x < int(cell) - 1; ++x) {
        const bool on = Alpha(int(measured.Left + float(i) * cell) + x, y) > 128;
        cells[size_t(i)].push_back(on);
        inked += on;
      }
  EXPECT_GT(inked, 4 * 60);
  for (int i = 1; i < 4; ++i) EXPECT_NE(cells[0], cells[size_t(i)]) << "cell " << i << " looks like cell 0";
}

TEST_F(TextPixels, EmptyTextsAndTextsOfNoSizeDrawNothing) {
  TvgText* empty = AddText(L"", 100, 50);
  empty->SetAutoSize(true);
  empty->SetStretch(true);
  TvgText* tiny = AddText(L"tiny", 0, 0);
  tiny->SetAutoSize(true);
  Paint();
  EXPECT_EQ(InkedCount(), 0);
  EXPECT_EQ(empty->Width(), 100);
}

}  // namespace

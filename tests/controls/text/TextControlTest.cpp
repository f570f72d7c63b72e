// Text controls hand their text, alignment, wrapping, font and colour to their style's "text"
// part, when the style is applied and whenever one of them changes.
#include "tests/support/ControlsFixture.h"
//
#include "controls/text/Label.h"
#include "controls/text/TextControl.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Font.h"
#include "engine/shapes/Text.h"

namespace {

const char* const kTextStyles =
    "object TvgRectangle\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'textstyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgText\r\n"
    "      ResourceName = 'text'\r\n"
    "      Align = vaClient\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "    object TvgBrushObject\r\n"
    "      ResourceName = 'foreground'\r\n"
    "      Brush.Color = '#FF102030'\r\n"
    "    end\r\n"
    "  end\r\n"
    "  object TvgText\r\n"
    "    ResourceName = 'bareTextStyle'\r\n"
    "    HitTest = False\r\n"
    "  end\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'partlessStyle'\r\n"
    "    HitTest = False\r\n"
    "  end\r\n"
    "end\r\n";

class TextControlTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    UseStyles(kTextStyles);
  }
  static TvgText* Part(TvgControl* control) { return dynamic_cast<TvgText*>(control->FindResource("text")); }
};

TEST_F(TextControlTest, TheStyleGetsTheTextItsAlignmentWrappingFontAndForegroundColour) {
  auto* control = Add<TvgTextControl>(10, 10, 100, 30, "textstyle", [](TvgTextControl& c) {
    c.SetText(L"\u7acb\u5373\u66f4\u65b0");
    c.SetTextAlign(vgTextAlignFar);
    c.SetVertTextAlign(vgTextAlignNear);
    c.SetWordWrap(true);
    c.Font()->SetSize(15);
    c.Font()->SetStyle(vgFontBold);
  });
  TvgText* part = Part(control);
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->Text(), L"\u7acb\u5373\u66f4\u65b0");
  EXPECT_EQ(part->HorzTextAlign(), vgTextAlignFar);
  EXPECT_EQ(part->VertTextAlign(), vgTextAlignNear);
  EXPECT_TRUE(part->WordWrap());
  EXPECT_EQ(part->Font()->Size(), 15);
  EXPECT_EQ(part->Font()->Style(), vgFontBold);
  EXPECT_EQ(part->Fill()->SolidColor(), 0xFF102030u) << "the foreground brush object";
  EXPECT_EQ(control->TextBrush()->SolidColor(), 0xFF102030u);
}

TEST_F(TextControlTest, ChangesReachTheTextPartAtOnce) {
  auto* control = Add<TvgTextControl>(10, 10, 100, 30, "textstyle");
  TvgText* part = Part(control);
  ASSERT_NE(part, nullptr);
  control->SetText(L"second");
  control->SetTextAlign(vgTextAlignNear);
  control->SetVertTextAlign(vgTextAlignFar);
  control->SetWordWrap(true);
  TvgFont font;
  font.SetFamily("Arial");
  control->SetFont(&font);
  control->TextBrush()->SetSolidColor(0xFF00FF00);
  EXPECT_EQ(part->Text(), L"second");
  EXPECT_EQ(part->HorzTextAlign(), vgTextAlignNear);
  EXPECT_EQ(part->VertTextAlign(), vgTextAlignFar);
  EXPECT_TRUE(part->WordWrap());
  EXPECT_EQ(part->Font()->Family(), "Arial");
  EXPECT_EQ(part->Fill()->SolidColor(), 0xFF00FF00u);
}

TEST_F(TextControlTest, AStyleThatIsItselfATextShowsTheTextAndOneWithoutATextPartKeepsIt) {
  auto* bare = Add<TvgTextControl>(10, 10, 100, 30, "bareTextStyle");
  bare->SetText(L"shown");
  auto* root = dynamic_cast<TvgText*>(bare->StyleObject());
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->Text(), L"shown");

  auto* partless = Add<TvgTextControl>(10, 50, 100, 30, "partlessStyle");
  partless->SetText(L"kept");
  partless->SetTextAlign(vgTextAlignFar);
  EXPECT_EQ(partless->Text(), L"kept");
  EXPECT_EQ(partless->TextAlign(), vgTextAlignFar);
}

TEST_F(TextControlTest, DataShowsAsTextAndNullEmptiesIt) {
  auto* control = Add<TvgTextControl>(10, 10, 100, 30, "textstyle");
  struct Case {
    Variant value;
    std::wstring text;
  } cases[] = {{Variant(L"\u6587\u5b57"), L"\u6587\u5b57"}, {Variant(42), L"42"}, {Variant(true), L"True"},
               {Variant::Null(), L""}, {Variant("abc"), L"abc"}, {Variant(), L""}};
  for (const Case& c : cases) {
    control->SetData(c.value);
    EXPECT_EQ(control->Text(), c.text);
    EXPECT_EQ(Part(control)->Text(), c.text);
    EXPECT_EQ(control->GetData().ToWideString(), c.text);
  }
}

TEST_F(TextControlTest, ABoundLabelFollowsTheTextOfItsSource) {
  auto* source = Add<TvgTextControl>(10, 10, 100, 30, "textstyle");
  source->SetText(L"first");
  auto* label = Add<TvgLabel>(10, 50, 100, 30, "textstyle");
  label->SetBindingSource(source);
  EXPECT_EQ(label->Text(), L"first");
  source->SetText(L"second");
  source->UpdateBinding();
  EXPECT_EQ(label->Text(), L"second");
}

}  // namespace

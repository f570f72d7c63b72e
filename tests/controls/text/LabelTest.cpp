// Labels: wrapped text that lets the pointer through, and labels that take the size of their text.
#include "tests/support/ControlsFixture.h"
//
#include "controls/buttons/Button.h"
#include "controls/text/Label.h"
#include "engine/paint/Font.h"
#include "engine/shapes/Text.h"

namespace {

const char* const kLabelStyle =
    "object TvgRectangle\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'labelstyle'\r\n"
    "    HitTest = False\r\n"
    "    Fill.Style = vgBrushNone\r\n"
    "    object TvgText\r\n"
    "      ResourceName = 'text'\r\n"
    "      Align = vaClient\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

class LabelTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    UseStyles(kLabelStyle);
  }
  static TvgText* Part(TvgControl* control) { return dynamic_cast<TvgText*>(control->FindResource("text")); }

  // The size the scene's canvas gives the text on one line in the label's font.
  TvgPoint MeasuredSize(const std::wstring& text, float fontSize) {
    auto* measure = new TvgText(nullptr);
    root->AddObject(measure);
    measure->SetWordWrap(false);
    measure->SetHorzTextAlign(vgTextAlignNear);
    measure->SetVertTextAlign(vgTextAlignNear);
    measure->Font()->SetSize(fontSize);
    measure->SetText(text);
    measure->SetAutoSize(true);
    const TvgPoint size{measure->Width(), measure->Height()};
    measure->Free();
    return size;
  }
};

TEST_F(LabelTest, AnAutoSizedLabelTakesTheSizeOfItsTextOnOneLineAndFollowsItsChanges) {
  auto* label = Add<TvgLabel>(10, 10, 120, 15, "", [](TvgLabel& l) {
    l.Font()->SetSize(14);
    l.SetText(L"Update now");
    l.SetAutoSize(true);
  });
  const TvgPoint expected = MeasuredSize(L"Update now", 14);
  ASSERT_GT(expected.X, 20);
  EXPECT_EQ(label->Width(), expected.X);
  EXPECT_EQ(label->Height(), expected.Y);
  EXPECT_FALSE(label->WordWrap());
  EXPECT_FALSE(Part(label)->WordWrap());
  EXPECT_FALSE(Part(label)->AutoSize()) << "the part measures only while the label takes its size";
  EXPECT_EQ(Part(label)->Align(), vaClient);

  label->SetText(L"Update now, and then some more");
  const TvgPoint longer = MeasuredSize(L"Update now, and then some more", 14);
  EXPECT_EQ(label->Width(), longer.X);
  EXPECT_GT(label->Width(), expected.X);
}

TEST_F(LabelTest, TurningAutoSizeOnResizesAtOnce) {
  auto* label = Add<TvgLabel>(10, 10, 200, 80);
  label->SetText(L"Hi");
  EXPECT_EQ(label->Width(), 200);
  label->SetAutoSize(true);
  EXPECT_EQ(label->Width(), MeasuredSize(L"Hi", 11).X);
}

TEST_F(LabelTest, ALabelWrapsItsTextAndTheValueLabelDoesNot) {
  auto* label = Add<TvgLabel>(10, 10, 120, 15);
  EXPECT_TRUE(Part(label)->WordWrap());
  label->SetWordWrap(false);
  EXPECT_FALSE(Part(label)->WordWrap());
  auto* value = Add<TvgValueLabel>(10, 40, 120, 15, "labelstyle");
  EXPECT_FALSE(Part(value)->WordWrap());
}

TEST_F(LabelTest, APressOnALabelReachesTheButtonBeneathIt) {
  auto* button = Add<TvgButton>(10, 10, 120, 40);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Add<TvgLabel>(10, 10, 120, 40)->SetText(L"over the button");
  ClickAt(50, 30);
  EXPECT_EQ(clicks, 1);
}

}  // namespace

// The progress bar's indicator, the busy indicator's sweep and the angle button's knob, in the
// default style.
#include "tests/support/ControlsFixture.h"
//
#include <vector>

#include "controls/tracks/AngleButton.h"
#include "controls/tracks/AniIndicator.h"
#include "controls/tracks/ProgressBar.h"
#include "engine/paint/Bitmap.h"
#include "engine/shapes/Text.h"

namespace {

class ProgressTest : public ControlsTest {
protected:
  static TvgVisualObject* Part(TvgControl* control, const char* name) {
    TvgObject* part = control->FindResource(name);
    return part ? part->Visual() : nullptr;
  }
};

// The default style's track has margins of 2 on every side.
TEST_F(ProgressTest, TheIndicatorShowsValuesShareOfTheTrackAndHidesBelowThreeUnits) {
  auto* bar = Add<TvgProgressBar>(20, 20, 104, 20);
  TvgVisualObject* indicator = Part(bar, "hindicator");
  ASSERT_NE(indicator, nullptr);
  struct Case {
    float min, max, value, width;
    bool visible;
  } cases[] = {{0, 100, 50, 50, true}, {0, 100, 100, 100, true}, {0, 200, 50, 25, true},
               {0, 100, 2, 2, false},  {0, 100, 0, 0, false},    {10, 20, 15, 50, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    bar->SetMin(c.min);
    bar->SetMax(c.max);
    bar->SetValue(c.value);
    EXPECT_FLOAT_EQ(indicator->Width(), c.width);
    EXPECT_EQ(indicator->Visible(), c.visible);
  }
  bar->SetMin(20);
  EXPECT_TRUE(indicator->Visible()) << "Max = Min leaves the indicator as it was";
  EXPECT_FLOAT_EQ(indicator->Width(), 50);
}

TEST_F(ProgressTest, AVerticalBarFillsItsOwnTrackAndTheOtherComesBackWithTheOrientation) {
  auto* bar = Add<TvgProgressBar>(20, 20, 20, 104);
  bar->SetValue(25);
  bar->SetOrientation(vgVertical);
  EXPECT_TRUE(Part(bar, "vtrack")->Visible());
  EXPECT_FALSE(Part(bar, "htrack")->Visible());
  EXPECT_FLOAT_EQ(Part(bar, "vindicator")->Height(), 25);
  EXPECT_FALSE(Part(bar, "hindicator")->Visible());
  bar->SetOrientation(vgHorizontal);
  EXPECT_TRUE(Part(bar, "htrack")->Visible());
  EXPECT_FALSE(Part(bar, "vtrack")->Visible());
}

TEST_F(ProgressTest, TheBusyIndicatorTurnsOnlyWhileEnabledAndDrawsItsMarks) {
  auto* indicator = Add<TvgAniIndicator>(20, 20, 40, 40);
  TickFor(200);
  EXPECT_EQ(indicator->Rotor()->RotateAngle(), 0);
  indicator->SetIndicatorEnabled(true);
  TickFor(1000);
  const float turned = indicator->Rotor()->RotateAngle();
  EXPECT_NEAR(turned, 36, 4) << "a full turn in ten seconds";
  indicator->SetIndicatorEnabled(false);
  const float stopped = indicator->Rotor()->RotateAngle();
  TickFor(500);
  EXPECT_EQ(indicator->Rotor()->RotateAngle(), stopped);

  for (TvgAniIndicatorStyle style : {vgAniIndicatorLine, vgAniIndicatorCircle}) {
    indicator->SetStyle(style);
    std::unique_ptr<TvgBitmap> shot = indicator->MakeScreenshot();
    ASSERT_NE(shot, nullptr);
    int marked = 0;
    for (int y = 0; y < shot->Height(); ++y)
      for (int x = 0; x < shot->Width(); ++x) marked += (shot->GetScanline(y)[x] >> 24) != 0;
    EXPECT_GT(marked, 40) << style;
    EXPECT_EQ(shot->GetScanline(20)[20] >> 24, 0u) << "the middle stays empty";
  }
}

// A knob 30 x 30 at (20, 20): its centre at (35, 35).
class AngleButtonTest : public ProgressTest {
protected:
  void SetUp() override {
    ProgressTest::SetUp();
    knob = Add<TvgAngleButton>(20, 20, 30, 30);
    knob->OnChange = [this](TObject*) { values.push_back(knob->Value()); };
  }
  TvgAngleButton* knob = nullptr;
  std::vector<float> values;
};

TEST_F(AngleButtonTest, DraggingPointsTheTickAtThePointer) {
  Press(45, 35);
  Move(35, 25, MK_LBUTTON);
  EXPECT_FLOAT_EQ(knob->Value(), 90) << "straight above the centre";
  EXPECT_FLOAT_EQ(Part(knob, "tick")->RotateAngle(), -90);
  Move(25, 35, MK_LBUTTON);
  EXPECT_FLOAT_EQ(knob->Value(), -180) << "on the centre line to the left";
  Move(35, 45, MK_LBUTTON);
  EXPECT_FLOAT_EQ(knob->Value(), -90);
  Release(35, 45);
  EXPECT_EQ(values, (std::vector<float>{90, -180, -90})) << "one report per change";
}

TEST_F(AngleButtonTest, WithTrackingOffItReportsOnceAtTheReleaseAndShowsItsValueOnRequest) {
  knob->SetTracking(false);
  knob->SetFrequency(45);
  Press(45, 35);
  Move(30, 26, MK_LBUTTON);
  Move(36, 25, MK_LBUTTON);
  EXPECT_TRUE(values.empty());
  Release(36, 25);
  EXPECT_EQ(values, (std::vector<float>{90}));
  auto* text = dynamic_cast<TvgText*>(knob->FindResource("text"));
  ASSERT_NE(text, nullptr);
  EXPECT_FALSE(text->Visible());
  knob->SetShowValue(true);
  EXPECT_TRUE(text->Visible());
  EXPECT_EQ(text->Text(), L"90\u00B0");
  knob->SetData(Variant(L"x"));
  EXPECT_FLOAT_EQ(knob->Value(), 0);
  EXPECT_EQ(text->Text(), L"0\u00B0");
}

}  // namespace

// Scroll bars: their value rules, the track and step buttons of the default style that move
// them, and a scroll box whose content is larger than its view scrolled by its real bars.
#include "tests/support/ControlsFixture.h"
//
#include <vector>

#include "controls/buttons/Button.h"
#include "controls/tracks/ScrollBar.h"
#include "controls/tracks/Thumb.h"
#include "controls/tracks/Track.h"
#include "engine/layouts/ScrollBox.h"
#include "engine/shapes/Shapes.h"

namespace {

// What a first paint does: every control in the tree takes its style, the controls inside styles
// too.
void ApplyStyles(TvgObject* object) {
  if (auto* control = dynamic_cast<TvgControl*>(object)) control->ApplyResource();
  for (int i = 0; i < object->ChildrenCount(); ++i) ApplyStyles(object->Children(i));
}

TEST(ScrollBarValues, KeepToTheRangeAndReportEachRealChange) {
  TvgScrollBar bar(nullptr);
  std::vector<float> values;
  bar.OnChange = [&](TObject*) { values.push_back(bar.Value()); };
  bar.SetMax(400);
  bar.SetViewportSize(100);
  bar.SetValue(350);
  EXPECT_FLOAT_EQ(bar.Value(), 300);
  bar.SetValue(320);
  bar.SetMax(350);
  EXPECT_FLOAT_EQ(bar.Value(), 250) << "a Max that cuts Value moves it";
  bar.SetMin(260);
  EXPECT_FLOAT_EQ(bar.Value(), 260) << "a Min above Value moves Value";
  bar.SetMax(200);
  EXPECT_FLOAT_EQ(bar.Max(), 260.001f) << "below Min";
  EXPECT_NEAR(bar.ViewportSize(), 0.001f, 1e-5f);
  EXPECT_FLOAT_EQ(bar.Value(), 260);
  EXPECT_EQ(values, (std::vector<float>{300, 250, 260}));
  bar.SetData(Variant(L"nothing"));
  EXPECT_FLOAT_EQ(bar.Value(), 260) << "anything but a number sets Min";
  EXPECT_EQ(values.size(), 3u);
}

// A horizontal bar 150 x 18 at (20, 20) in the default style: step buttons 18 wide at either end,
// the track between them (38 .. 150 in scene coordinates).
class ScrollBarTest : public ControlsTest {
protected:
  TvgScrollBar* AddBar() {
    auto* bar = Add<TvgScrollBar>(20, 20, 150, 18);
    bar->SetMax(200);
    bar->SetViewportSize(50);
    bar->SetSmallChange(10);
    bar->OnChange = [this, bar](TObject*) { values.push_back(bar->Value()); };
    ApplyStyles(bar);
    return bar;
  }
  template <class T>
  static T* Part(TvgControl* control, const char* name) {
    return dynamic_cast<T*>(control->FindResource(name));
  }

  std::vector<float> values;
};

TEST_F(ScrollBarTest, ItsTrackShowsItsValuesAndTheButtonsOfItsOrientationShow) {
  TvgScrollBar* bar = AddBar();
  bar->SetValue(30);
  auto* track = Part<TvgCustomTrack>(bar, "htrack");
  ASSERT_NE(track, nullptr);
  EXPECT_TRUE(track->Visible());
  EXPECT_FLOAT_EQ(track->Max(), 200);
  EXPECT_FLOAT_EQ(track->ViewportSize(), 50);
  EXPECT_FLOAT_EQ(track->Value(), 30);
  EXPECT_FALSE(track->CanFocused());
  EXPECT_FALSE(Part<TvgCustomTrack>(bar, "vtrack")->Visible());
  EXPECT_TRUE(Part<TvgCustomButton>(bar, "leftbutton")->Visible());
  EXPECT_FALSE(Part<TvgCustomButton>(bar, "topbutton")->Visible());

  bar->SetOrientation(vgVertical);
  EXPECT_TRUE(Part<TvgCustomTrack>(bar, "vtrack")->Visible());
  EXPECT_FALSE(track->Visible());
  EXPECT_TRUE(Part<TvgCustomButton>(bar, "bottombutton")->Visible());
  EXPECT_FALSE(Part<TvgCustomButton>(bar, "rightbutton")->Visible());
}

TEST_F(ScrollBarTest, TheStepButtonsMoveBySmallChangeAndRepeatWhileHeld) {
  TvgScrollBar* bar = AddBar();
  ClickAt(160, 29);  // the right button
  ClickAt(160, 29);
  EXPECT_FLOAT_EQ(bar->Value(), 20);
  ClickAt(28, 29);  // the left button
  EXPECT_FLOAT_EQ(bar->Value(), 10);
  ClickAt(28, 29);
  ClickAt(28, 29);
  EXPECT_FLOAT_EQ(bar->Value(), 0);
  EXPECT_EQ(values, (std::vector<float>{10, 20, 10, 0}));
  EXPECT_TRUE(Part<TvgCustomButton>(bar, "rightbutton")->RepeatClick()) << "speed buttons";
}

TEST_F(ScrollBarTest, TheTrackPagesAndItsThumbDragsTheBar) {
  TvgScrollBar* bar = AddBar();
  ClickAt(140, 29);
  EXPECT_FLOAT_EQ(bar->Value(), 50) << "a page of ViewportSize";
  auto* track = Part<TvgCustomTrack>(bar, "htrack");
  auto* thumb = Part<TvgThumb>(track, "thumb");
  ASSERT_NE(thumb, nullptr);
  const TvgPoint grab = thumb->LocalToAbsolute({thumb->Width() / 2, thumb->Height() / 2});
  const int quarter = int(track->Width() / 4);
  Press(int(grab.X), int(grab.Y));
  Move(int(grab.X) + quarter, int(grab.Y), MK_LBUTTON);
  Release(int(grab.X) + quarter, int(grab.Y));
  EXPECT_NEAR(bar->Value(), 100, 2);
  EXPECT_NEAR(track->Value(), bar->Value(), 0.001f);
}

// A vertical scroll box in the default style with 40 rows of 30 units: 1200 units of content in a
// 200-unit box.
class ScrollBoxBarsTest : public ControlsTest {
protected:
  void SetUp() override {
    ControlsTest::SetUp();
    box = Add<TvgVertScrollBox>(0, 0, 200, 200);
    box->SetAnimated(false);
    for (int i = 0; i < 40; ++i) {
      auto* row = new TvgRectangle(nullptr);
      box->AddObject(row);
      row->SetBounds(0, float(i) * 30, 150, 30);
      rows.push_back(row);
    }
    box->Realign();
    ApplyStyles(box);
  }
  TvgScrollBar* Bar() { return dynamic_cast<TvgScrollBar*>(box->VScrollBar()); }
  float ContentTop() { return box->Content()->Position()->Y(); }

  TvgVertScrollBox* box = nullptr;
  std::vector<TvgRectangle*> rows;
};

TEST_F(ScrollBoxBarsTest, ContentLargerThanTheViewShowsAWorkingBar) {
  TvgScrollBar* bar = Bar();
  ASSERT_NE(bar, nullptr) << "the default style's bar";
  EXPECT_TRUE(bar->Visible());
  EXPECT_TRUE(bar->Enabled());
  EXPECT_FLOAT_EQ(bar->Max(), 1200);
  EXPECT_FLOAT_EQ(bar->ViewportSize(), box->Viewport()->Height());
  EXPECT_FALSE(box->HScrollBar() && box->HScrollBar()->Visible()) << "the rows fit the width";

  bar->SetValue(300);
  EXPECT_FLOAT_EQ(ContentTop(), box->Viewport()->Position()->Y() - 300);
  const TvgPoint below = bar->LocalToAbsolute({bar->Width() / 2, bar->Height() - 5});
  ClickAt(int(below.X), int(below.Y));  // the down button
  EXPECT_FLOAT_EQ(bar->Value(), 300 + bar->SmallChange());

  Move(100, 100);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(kFormLeft + 100, kFormTop + 100));
  EXPECT_FLOAT_EQ(bar->Value(), 300 + 4 * bar->SmallChange()) << "a notch scrolls three small changes";
  EXPECT_FLOAT_EQ(ContentTop(), box->Viewport()->Position()->Y() - bar->Value());
  bar->SetValue(5000);
  EXPECT_FLOAT_EQ(bar->Value(), 1200 - bar->ViewportSize()) << "the end of the content";
}

}  // namespace

// Tracks and track bars in a scene styled by the default style: the value rules, one
// notification per real change, the thumb's drag with and without Tracking, the trough's pages,
// the keys and the wheel, and where the thumb goes.
#include "tests/support/ControlsFixture.h"
//
#include <utility>
#include <vector>

#include "tests/support/PackedMethod.h"
#include "tests/support/RecordingScene.h"
#include "controls/tracks/ProgressBar.h"
#include "controls/tracks/ScrollBar.h"
#include "controls/tracks/Thumb.h"
#include "controls/tracks/Track.h"

namespace {

struct TRange {
  float min, max, viewport, frequency;
};

// The value rules, each from a fresh track: Value keeps to Min .. Max - ViewportSize (Min
// winning), to multiples of Frequency (halves to even), and follows a Max that cuts it.
TEST(TrackValues, KeepToTheRangeTheViewportAndTheFrequency) {
  struct Case {
    const char* what;
    TRange range;
    float value, expected;
  } cases[] = {
      {"inside", {0, 100, 0, 0}, 42.5f, 42.5f},
      {"above Max", {0, 100, 0, 0}, 130, 100},
      {"below Min", {10, 100, 0, 0}, -3, 10},
      {"a viewport keeps below Max - ViewportSize", {0, 100, 20, 0}, 90, 80},
      {"Min wins over Max - ViewportSize", {50, 60, 10, 0}, 55, 50},
      {"frequency rounds halves to even", {0, 100, 0, 5}, 12.5f, 10},
      {"frequency rounds to nearest", {0, 100, 0, 5}, 13, 15},
      {"frequency rounds the other half to even", {0, 100, 0, 5}, 17.5f, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TvgTrack track(nullptr);
    track.SetMin(c.range.min);
    track.SetMax(c.range.max);
    track.SetViewportSize(c.range.viewport);
    track.SetFrequency(c.range.frequency);
    track.SetValue(c.value);
    EXPECT_FLOAT_EQ(track.Value(), c.expected);
  }
}

TEST(TrackValues, MaxBelowMinAndViewportsBeyondTheRangeAreCut) {
  TvgTrack track(nullptr);
  track.SetMin(10);
  track.SetMax(5);
  EXPECT_FLOAT_EQ(track.Max(), 10.001f);
  track.SetMax(40);
  track.SetViewportSize(100);
  EXPECT_FLOAT_EQ(track.ViewportSize(), 30);
  track.SetViewportSize(10);
  track.SetValue(30);
  track.SetMax(25);
  EXPECT_FLOAT_EQ(track.Value(), 15) << "a lower Max moves Value below it";
  track.SetFrequency(6);
  EXPECT_FLOAT_EQ(track.Value(), 12) << "a new frequency rounds the value (2.5 steps to 2)";
}

TEST(TrackValues, OneNotificationPerRealChangeAndNoneWithoutOne) {
  TvgTrack track(nullptr);
  int changes = 0;
  track.OnChange = [&](TObject*) { ++changes; };
  track.SetViewportSize(20);
  track.SetValue(80);
  EXPECT_EQ(changes, 1);
  track.SetValue(95);
  EXPECT_EQ(changes, 1) << "clamped to the value it has";
  track.SetMax(50);
  EXPECT_FLOAT_EQ(track.Value(), 30);
  EXPECT_EQ(changes, 2) << "a Max that cuts Value reports it";
  track.SetMin(-10);
  EXPECT_EQ(changes, 2);
  track.SetViewportSize(40);
  EXPECT_FLOAT_EQ(track.Value(), 10);
  EXPECT_EQ(changes, 3);
}

TEST(TrackValues, DataIsTheValueAndBoundControlsFollowEveryChange) {
  TvgTrack source(nullptr), bound(nullptr);
  source.SetTracking(false);
  bound.SetBindingSource(&source);
  source.SetValue(30);
  EXPECT_FLOAT_EQ(bound.Value(), 30) << "without Tracking too, outside a drag";
  EXPECT_EQ(source.GetData(), Variant(30.0));
  source.SetData(Variant(L"x"));
  EXPECT_FLOAT_EQ(source.Value(), 0) << "anything but a number sets Min";
  source.SetData(Variant(int32_t(12)));
  EXPECT_FLOAT_EQ(source.Value(), 12);
  TChangeCounter counter(nullptr);
  source.SetData(PackedMethod(counter, "Changed"));
  source.SetValue(13);
  EXPECT_EQ(counter.calls, 1);
}

// The width and height a control has after it turns vertical in a scene that is or is not being
// designed.
template <class T>
std::pair<float, float> SizeWhenTurnedVertical(bool designing) {
  TRecordingScene scene;
  scene.designing = designing;
  auto* control = new T(nullptr);
  scene.AddObject(control);
  control->SetBounds(0, 0, 100, 15);
  control->SetOrientation(vgVertical);
  control->SetOrientation(vgVertical);
  return {control->Width(), control->Height()};
}

TEST(TrackValues, TracksBarsAndProgressTurnRoundWithTheirOrientationOnlyInTheDesigner) {
  using Size = std::pair<float, float>;
  for (bool designing : {false, true}) {
    SCOPED_TRACE(designing ? "designing" : "running");
    const Size expected = designing ? Size{15, 100} : Size{100, 15};
    EXPECT_EQ(SizeWhenTurnedVertical<TvgTrack>(designing), expected) << "track";
    EXPECT_EQ(SizeWhenTurnedVertical<TvgTrackBar>(designing), expected) << "track bar";
    EXPECT_EQ(SizeWhenTurnedVertical<TvgScrollBar>(designing), expected) << "scroll bar";
    EXPECT_EQ(SizeWhenTurnedVertical<TvgProgressBar>(designing), expected) << "progress bar";
  }
}

// --- In a scene --------------------------------------------------------------------------------

// A track 100 x 15 at (20, 20); its thumb is as wide as the track is thick.
class TrackTest : public ControlsTest {
protected:
  template <class T = TvgTrack>
  T* AddTrack(float width = 100, float height = 15) {
    T* track = Add<T>(20, 20, width, height);
    track->OnChange = [this, track](TObject*) { values.push_back(track->Value()); };
    track->OnTracking = [this](TObject*) { ++trackingCalls; };
    return track;
  }
  static TvgThumb* Thumb(TvgControl* track) { return dynamic_cast<TvgThumb*>(track->FindResource("thumb")); }
  static TvgRect Place(TvgVisualObject* thumb) {
    const TvgPoint at = thumb->Position()->GetPoint();
    return {at.X, at.Y, at.X + thumb->Width(), at.Y + thumb->Height()};
  }

  std::vector<float> values;
  int trackingCalls = 0;
};

TEST_F(TrackTest, TheThumbSitsAtValueAndIsAtLeastAsLongAsTheTrackIsThick) {
  struct Case {
    const char* what;
    TvgOrientation orientation;
    float width, height, viewport, value;
    TvgRect expected;
  } cases[] = {
      {"no viewport, at Min", vgHorizontal, 100, 15, 0, 0, {0, 0, 14, 15}},
      {"no viewport, centred on the value", vgHorizontal, 100, 15, 0, 50, {43, 0, 57, 15}},
      {"no viewport, kept inside at Max", vgHorizontal, 100, 15, 0, 100, {86, 0, 100, 15}},
      {"a viewport's share", vgHorizontal, 100, 15, 25, 50, {50, 0, 75, 15}},
      {"vertical", vgVertical, 15, 100, 25, 25, {0, 25, 15, 50}},
      {"vertical, no viewport", vgVertical, 15, 100, 0, 50, {0, 43, 15, 57}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TvgTrack* track = AddTrack(c.width, c.height);
    track->SetOrientation(c.orientation);
    track->SetViewportSize(c.viewport);
    track->SetValue(c.value);
    EXPECT_EQ(track->GetThumbRect(), c.expected);
    ASSERT_NE(Thumb(track), nullptr);
    EXPECT_EQ(Place(Thumb(track)), c.expected);
    track->Free();
  }
}

TEST_F(TrackTest, DraggingTheThumbMovesTheValueWithTheTrackingEvents) {
  TvgTrack* track = AddTrack();
  Press(27, 27);  // the middle of the thumb
  EXPECT_TRUE(Thumb(track)->IsPressed());
  Move(70, 27, MK_LBUTTON);
  EXPECT_FLOAT_EQ(track->Value(), 50);
  Move(90, 40, MK_LBUTTON);  // off the track: only the distance along it counts
  EXPECT_FLOAT_EQ(track->Value(), 70);
  Move(300, 27, MK_LBUTTON);
  EXPECT_FLOAT_EQ(track->Value(), 100);
  Release(300, 27);
  EXPECT_EQ(values, (std::vector<float>{50, 70, 100}));
  EXPECT_EQ(trackingCalls, 3);
  Move(20, 27);
  EXPECT_FLOAT_EQ(track->Value(), 100) << "the drag ended";
}

TEST_F(TrackTest, WithTrackingOffADragReportsOnceAtTheReleaseAndUpdatesBindingsThen) {
  TvgTrack* track = AddTrack();
  track->SetTracking(false);
  TvgTrack* bound = Add<TvgTrack>(20, 60, 100, 15);
  bound->SetBindingSource(track);
  Press(27, 27);
  Move(50, 27, MK_LBUTTON);
  Move(80, 27, MK_LBUTTON);
  EXPECT_TRUE(values.empty());
  EXPECT_EQ(trackingCalls, 2);
  EXPECT_FLOAT_EQ(bound->Value(), 0);
  Release(80, 27);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_NEAR(values[0], 60, 0.01f);
  EXPECT_FLOAT_EQ(bound->Value(), track->Value());

  Press(80, 27);
  Release(80, 27);
  EXPECT_EQ(values.size(), 1u) << "a drag that changed nothing reports nothing";
}

TEST_F(TrackTest, APressOnTheTroughPagesTowardsItWithAViewportAndJumpsToItWithout) {
  TvgTrack* track = AddTrack();
  track->SetViewportSize(20);
  track->SetValue(40);
  ClickAt(110, 27);  // right of the thumb (60 .. 80)
  EXPECT_FLOAT_EQ(track->Value(), 60);
  ClickAt(25, 27);
  EXPECT_FLOAT_EQ(track->Value(), 40);
  track->SetViewportSize(0);
  ClickAt(95, 27);
  EXPECT_FLOAT_EQ(track->Value(), 75);
}

TEST_F(TrackTest, KeysStepTheFocusedTrackBarOnceEach) {
  auto* bar = AddTrack<TvgTrackBar>();
  bar->SetFrequency(10);
  bar->SetTracking(false);
  bar->SetFocus();
  ASSERT_TRUE(bar->IsFocused());
  struct Step {
    WPARAM key;
    float value;
  } steps[] = {{VK_RIGHT, 10}, {VK_DOWN, 20}, {VK_LEFT, 10}, {VK_UP, 0}, {VK_END, 100}, {VK_HOME, 0}};
  for (const Step& step : steps) {
    Key(step.key);
    EXPECT_FLOAT_EQ(bar->Value(), step.value) << step.key;
  }
  EXPECT_EQ(values, (std::vector<float>{10, 20, 10, 0, 100, 0})) << "one OnChange per step";
  Key(VK_HOME);
  EXPECT_EQ(values.size(), 6u) << "Home at Min changes nothing";
}

TEST_F(TrackTest, TheWheelStepsATrackBarAndPassesOverAPlainTrack) {
  auto* bar = AddTrack<TvgTrackBar>();
  bar->SetValue(50);
  Move(60, 27);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(kFormLeft + 60, kFormTop + 27));
  EXPECT_FLOAT_EQ(bar->Value(), 49) << "away from the user goes towards Min";
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-2 * WHEEL_DELTA)), MAKELPARAM(kFormLeft + 60, kFormTop + 27));
  EXPECT_FLOAT_EQ(bar->Value(), 51);
  bar->Free();

  TvgTrack* track = AddTrack();
  track->SetValue(50);
  Move(60, 27);
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(kFormLeft + 60, kFormTop + 27));
  EXPECT_FLOAT_EQ(track->Value(), 50);
}

}  // namespace

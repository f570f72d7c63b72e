#pragma once
// Tracks: a Value between Min and Max, chosen by dragging the thumb (TvgThumb, the style part
// "thumb"), by a press on the trough (a page of ViewportSize towards the press, or, without a
// viewport, straight to it) and, on a track bar, by Home, End, the arrow keys and the wheel in
// steps of Frequency (1 without one). Value keeps to Min .. Max - ViewportSize, Min winning, and
// with Frequency to its multiples (halves to even).
//
// Every real change of Value fires OnChange once and updates the bound controls once. While the
// thumb is dragged, OnTracking reports each change; with Tracking off, OnChange and the bound
// controls wait for the release, which reports the final value once.
#include "engine/layouts/Layout.h"
#include "engine/tree/Control.h"

class TvgThumb;

class TvgCustomTrack : public TvgControl {
  CL_CLASS(TvgCustomTrack, TvgControl)
public:
  explicit TvgCustomTrack(TComponent* owner);

  float Value() const { return value_; }
  void SetValue(float value);
  float Min() const { return min_; }
  virtual void SetMin(float min);
  float Max() const { return max_; }
  // Below Min it becomes Min + 0.001; ViewportSize and Value follow into the new range.
  virtual void SetMax(float max);
  float ViewportSize() const { return viewportSize_; }
  void SetViewportSize(float size);
  float Frequency() const { return frequency_; }
  void SetFrequency(float frequency);
  TvgOrientation Orientation() const { return orientation_; }
  void SetOrientation(TvgOrientation orientation);
  bool Tracking() const { return tracking_; }
  void SetTracking(bool tracking) { tracking_ = tracking; }

  // Min, Max and Value as given, without notifications: a scroll bar hands its own on.
  void AssignRange(float min, float max, float value);
  // Where the thumb goes, in the track's coordinates: its share of the trough is ViewportSize's
  // share of the range (at least as long as the track is thick), placed at Value's share.
  TvgRect GetThumbRect();

  // The thumb's drag; the end reports a change that waited for it.
  void BeginThumbDrag() { dragging_ = true; }
  void EndThumbDrag();

  // Value as a float.
  Variant GetData() override { return Variant(double(value_)); }
  // A packed method becomes OnChange; a number sets Value; anything else sets Value to Min.
  void SetData(const Variant& value) override;
  void Realign() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseWheel(TShiftState shift, int wheelDelta, bool& handled) override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnTracking;

private:
  float Step() const { return frequency_ != 0 ? frequency_ : 1; }
  void Notify();
  TvgThumb* Thumb();
  void ApplyThumbInsets(TvgRect& rect, TvgThumb& thumb);

  float value_ = 0;
  float min_ = 0;
  float max_ = 100;
  float viewportSize_ = 0;
  float frequency_ = 0;
  TvgOrientation orientation_ = vgHorizontal;
  bool tracking_ = true;
  bool dragging_ = false;
  bool changeAwaitsRelease_ = false;
};

class TvgTrack : public TvgCustomTrack {
  CL_CLASS(TvgTrack, TvgCustomTrack)
public:
  using TvgCustomTrack::TvgCustomTrack;
};

// The focusable track of forms: keys and the wheel move it.
class TvgTrackBar : public TvgCustomTrack {
  CL_CLASS(TvgTrackBar, TvgCustomTrack)
public:
  explicit TvgTrackBar(TComponent* owner);
};

class TvgHudTrack : public TvgTrack {
  CL_CLASS(TvgHudTrack, TvgTrack)
public:
  using TvgTrack::TvgTrack;
};

class TvgHudTrackBar : public TvgTrackBar {
  CL_CLASS(TvgHudTrackBar, TvgTrackBar)
public:
  using TvgTrackBar::TvgTrackBar;
};

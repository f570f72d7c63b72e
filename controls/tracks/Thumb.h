#pragma once
// TvgThumb: the draggable part "thumb" of a track's style. A left press grabs it and gives its
// track the focus; moving the pointer sets the track's Value from the pointer's place along the
// track; the release ends the drag.
#include "engine/tree/Control.h"

class TvgCustomTrack;

class TvgThumb : public TvgControl {
  CL_CLASS(TvgThumb, TvgControl)
public:
  explicit TvgThumb(TComponent* owner);

  // Set by the track whose style holds the thumb.
  TvgCustomTrack* Track() const { return track_; }
  void SetTrack(TvgCustomTrack* track) { track_ = track; }
  bool IsPressed() const { return pressed_; }

  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;

private:
  TvgCustomTrack* track_ = nullptr;
  TvgPoint pressPoint_;
  bool pressed_ = false;
};

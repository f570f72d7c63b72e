#include "controls/tracks/Thumb.h"

#include "classlib/desktop/Control.h"
#include "controls/tracks/Track.h"

CL_PUBLISHED(TvgThumb) {}

TvgThumb::TvgThumb(TComponent* owner) : TvgControl(owner) {
  SetCanFocused(false);
  SetAutoCapture(true);
}

void TvgThumb::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !GetAbsoluteEnabled()) return;
  pressed_ = true;
  pressPoint_ = {x, y};
  if (!track_) return;
  track_->BeginThumbDrag();
  track_->SetFocus();
}

// With a viewport the thumb keeps the place where it was grabbed under the pointer; without one
// the value follows the pointer itself.
void TvgThumb::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (!pressed_ || !track_ || !GetAbsoluteEnabled() || !Parent() || !Parent()->IsVisual()) return;
  const bool vertical = track_->Orientation() == vgVertical;
  const TvgPoint along = vertical ? TvgPoint{0, y} : TvgPoint{x, 0};
  const TvgPoint point = track_->AbsoluteToLocal(LocalToAbsolute(along));
  const bool keepsGrab = track_->ViewportSize() != 0;
  const float offset = keepsGrab ? (vertical ? pressPoint_.Y : pressPoint_.X) : 0;
  const float length = vertical ? track_->Height() : track_->Width();
  const float position = (vertical ? point.Y : point.X) - offset;
  track_->SetValue(track_->Min() + position / length * (track_->Max() - track_->Min()));
}

void TvgThumb::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  if (!pressed_) return;
  pressed_ = false;
  if (track_) track_->EndThumbDrag();
}

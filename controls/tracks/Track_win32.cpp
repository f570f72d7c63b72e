#include "controls/tracks/Track.h"

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "controls/tracks/Orientation.h"
#include "controls/tracks/Thumb.h"
#include "engine/tree/ObjectRegistry.h"

#include <algorithm>

CL_PUBLISHED(TvgCustomTrack) {}

CL_PUBLISHED(TvgTrack) {
  using T = TvgTrack;
  published.Property("BindingSource", &T::BindingSource, &T::SetBindingSource);
  published.Property("Min", &T::Min, &T::SetMin).Default(0.0f);
  published.Property("Max", &T::Max, &T::SetMax).Default(100.0f);
  published.Property("Frequency", &T::Frequency, &T::SetFrequency).Default(0.0f);
  published.Property("Orientation", &T::Orientation, &T::SetOrientation).Default(vgHorizontal);
  published.Property("Value", &T::Value, &T::SetValue).Default(0.0f);
  published.Property("ViewportSize", &T::ViewportSize, &T::SetViewportSize).Default(0.0f);
  published.Property("Tracking", &T::Tracking, &T::SetTracking).Default(true);
  published.Property("OnChange", &T::OnChange, &T::OnChange);
}

CL_PUBLISHED(TvgTrackBar) {
  using T = TvgTrackBar;
  published.Property("BindingSource", &T::BindingSource, &T::SetBindingSource);
  published.Property("CanFocused", &T::CanFocused, &T::SetCanFocused).Default(true);
  published.Property("DisableFocusEffect", &T::DisableFocusEffect, &T::SetDisableFocusEffect).Default(false);
  published.Property("Min", &T::Min, &T::SetMin).Default(0.0f);
  published.Property("Max", &T::Max, &T::SetMax).Default(100.0f);
  published.Property("Frequency", &T::Frequency, &T::SetFrequency).Default(0.0f);
  published.Property("Orientation", &T::Orientation, &T::SetOrientation).Default(vgHorizontal);
  published.Property("Value", &T::Value, &T::SetValue).Default(0.0f);
  published.Property("Tracking", &T::Tracking, &T::SetTracking).Default(true);
  published.Property("OnChange", &T::OnChange, &T::OnChange);
}

CL_PUBLISHED(TvgHudTrack) {}
CL_PUBLISHED(TvgHudTrackBar) {}

TvgCustomTrack::TvgCustomTrack(TComponent* owner) : TvgControl(owner) { SetSizeDirect(100, 15); }

TvgTrackBar::TvgTrackBar(TComponent* owner) : TvgCustomTrack(owner) { SetCanFocused(true); }

// --- Values -----------------------------------------------------------------------------------

void TvgCustomTrack::SetValue(float value) {
  if (frequency_ != 0) value = frequency_ * float(Round(value / frequency_));
  value = std::max(std::min(value, max_ - viewportSize_), min_);
  if (value == value_) return;
  value_ = value;
  if (dragging_) OnTracking(this);
  if (dragging_ && !tracking_) changeAwaitsRelease_ = true;
  else Notify();
  Realign();
}

void TvgCustomTrack::Notify() {
  UpdateBinding();
  OnChange(this);
}

void TvgCustomTrack::EndThumbDrag() {
  dragging_ = false;
  if (!changeAwaitsRelease_) return;
  changeAwaitsRelease_ = false;
  Notify();
}

void TvgCustomTrack::SetMin(float min) {
  if (min == min_) return;
  min_ = min;
  Realign();
}

void TvgCustomTrack::SetMax(float max) {
  if (max == max_) return;
  max_ = max < min_ ? min_ + 0.001f : max;
  viewportSize_ = std::min(viewportSize_, max_ - min_);
  SetValue(value_);
  Realign();
}

void TvgCustomTrack::SetViewportSize(float size) {
  if (size == viewportSize_) return;
  viewportSize_ = std::min(size, max_ - min_);
  if (max_ - viewportSize_ < value_) SetValue(max_ - viewportSize_);
  Realign();
}

void TvgCustomTrack::SetFrequency(float frequency) {
  if (frequency == frequency_) return;
  frequency_ = frequency;
  if (frequency_ != 0) SetValue(value_);
}

void TvgCustomTrack::SetOrientation(TvgOrientation orientation) {
  if (vgStoreOrientation(*this, orientation_, orientation, Designing() && !Loading())) Realign();
}

void TvgCustomTrack::AssignRange(float min, float max, float value) {
  min_ = min;
  max_ = max;
  value_ = value;
}

void TvgCustomTrack::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else SetValue(value.IsNumeric() ? float(value.ToDouble()) : min_);
}

// --- Thumb ------------------------------------------------------------------------------------

TvgThumb* TvgCustomTrack::Thumb() { return dynamic_cast<TvgThumb*>(FindResource("thumb")); }

TvgRect TvgCustomTrack::GetThumbRect() {
  TvgRect rect = GetLocalRect();
  const float range = max_ - min_;
  if (range <= 0) return rect;
  const float share = (value_ - min_) / range;
  if (orientation_ == vgHorizontal) {
    rect = vgMakeRect(0, 0, viewportSize_ / range * Width(), Height());
    vgOffsetRect(rect, float(Round(share * Width())), 0);
    if (vgRectWidth(rect) < Height()) {
      const float half = float(Trunc(Height() / 2));
      rect = vgMakeRect(rect.Left - half, rect.Top, rect.Left + half, rect.Bottom);
    }
    if (rect.Right > Width()) vgOffsetRect(rect, Width() - rect.Right, 0);
    if (rect.Left < 0) vgOffsetRect(rect, -rect.Left, 0);
  } else {
    rect = vgMakeRect(0, 0, Width(), viewportSize_ / range * Height());
    if (vgRectHeight(rect) < Width()) {
      const float half = float(Trunc(Width() / 2));
      rect = vgMakeRect(rect.Left, rect.Top - half, rect.Right, rect.Top + half);
    }
    vgOffsetRect(rect, 0, float(Round(share * Height())));
    if (rect.Bottom > Height()) vgOffsetRect(rect, 0, Height() - rect.Bottom);
    if (rect.Top < 0) vgOffsetRect(rect, 0, -rect.Top);
  }
  if (TvgThumb* thumb = Thumb()) ApplyThumbInsets(rect, *thumb);
  return rect;
}

// The margins of the thumb's parent and the thumb's own padding keep it off the trough's edges;
// along the width only while there is room for both.
void TvgCustomTrack::ApplyThumbInsets(TvgRect& rect, TvgThumb& thumb) {
  TvgVisualObject* parent = thumb.Parent() ? thumb.Parent()->Visual() : nullptr;
  if (!parent) return;
  const TvgRect margins = parent->Margins()->GetRect(), padding = thumb.Padding()->GetRect();
  const float left = margins.Left + padding.Left, right = margins.Right + padding.Right;
  if (vgRectWidth(rect) > left + right) {
    rect.Left += left;
    rect.Right -= right;
  }
  rect.Top += margins.Top + padding.Top;
  rect.Bottom -= margins.Bottom + padding.Bottom;
}

void TvgCustomTrack::Realign() {
  TvgControl::Realign();
  TvgThumb* thumb = Thumb();
  if (!thumb) return;
  thumb->SetTrack(this);
  const TvgRect rect = GetThumbRect();
  thumb->Position()->SetPoint({rect.Left, rect.Top});
  if (Round(vgRectWidth(rect)) != 0) thumb->SetWidth(float(Round(vgRectWidth(rect))));
  if (Round(vgRectHeight(rect)) != 0) thumb->SetHeight(float(Round(vgRectHeight(rect))));
}

// --- Pointer and keys -------------------------------------------------------------------------

void TvgCustomTrack::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  const float share = orientation_ == vgVertical ? y / Height() : x / Width();
  const float target = min_ + share * (max_ - min_);
  if (viewportSize_ == 0) return SetValue(target);
  SetValue(target > value_ ? value_ + viewportSize_ : value_ - viewportSize_);
}

// Focus stops (track bars) take the wheel as they take the arrow keys; the tracks inside scroll
// bars leave it to the box that scrolls. Turning it away from the user goes towards Min.
void TvgCustomTrack::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  TvgControl::MouseWheel(shift, wheelDelta, handled);
  if (handled || !CanFocused()) return;
  SetValue(value_ - Step() * float(wheelDelta) / 120);
  handled = true;
}

void TvgCustomTrack::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  TvgControl::KeyDown(key, keyChar, shift);
  switch (key) {
    case VK_END: SetValue(max_); break;
    case VK_HOME: SetValue(min_); break;
    case VK_LEFT: case VK_UP: SetValue(value_ - Step()); break;
    case VK_RIGHT: case VK_DOWN: SetValue(value_ + Step()); break;
    default: return;
  }
  key = 0;
}

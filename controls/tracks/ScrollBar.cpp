#include "controls/tracks/ScrollBar.h"

#include <algorithm>

#include "controls/buttons/Button.h"
#include "controls/tracks/Orientation.h"
#include "controls/tracks/Track.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgScrollBar) {
  using S = TvgScrollBar;
  published.Property("BindingSource", &S::BindingSource, &S::SetBindingSource);
  published.Property("Min", &S::Min, &S::SetMin).Default(0.0f);
  published.Property("Max", &S::Max, &S::SetMax).Default(100.0f);
  published.Property("Orientation", &S::Orientation, &S::SetOrientation).Default(vgHorizontal);
  published.Property("Value", &S::Value, &S::SetValue).Default(0.0f);
  published.Property("ViewportSize", &S::ViewportSize, &S::SetViewportSize).Default(0.0f);
  published.Property("SmallChange", &S::SmallChange, &S::SetSmallChange).Default(1.0f);
  published.Property("OnChange", &S::OnChange, &S::OnChange);
}

CL_PUBLISHED(TvgSmallScrollBar) {}
CL_PUBLISHED(TvgHudScrollBar) {}

TvgScrollBar::TvgScrollBar(TComponent* owner) : TvgControl(owner) { SetSizeDirect(150, 18); }

TvgSmallScrollBar::TvgSmallScrollBar(TComponent* owner) : TvgScrollBar(owner) { SetSizeDirect(Width(), 8); }

// --- Values -----------------------------------------------------------------------------------

void TvgScrollBar::SetValue(float value) {
  value = std::max(std::min(value, max_ - viewportSize_), min_);
  if (value == value_) return;
  value_ = value;
  UpdateBinding();
  OnChange(this);
  Realign();
}

void TvgScrollBar::SetMin(float min) {
  if (min == min_) return;
  min_ = min;
  if (min_ > value_) SetValue(min_);
  Realign();
}

void TvgScrollBar::SetMax(float max) {
  if (max == max_) return;
  max_ = max < min_ ? min_ + 0.001f : max;
  if (max_ - viewportSize_ < value_) SetValue(max_ - viewportSize_);
  viewportSize_ = std::min(viewportSize_, max_ - min_);
  Realign();
}

void TvgScrollBar::SetViewportSize(float size) {
  if (size == viewportSize_) return;
  viewportSize_ = std::min(size, max_ - min_);
  if (value_ > max_ - viewportSize_) SetValue(max_ - viewportSize_);
  Realign();
}

void TvgScrollBar::SetOrientation(TvgOrientation orientation) {
  if (vgStoreOrientation(*this, orientation_, orientation, Designing() && !Loading())) Realign();
}

void TvgScrollBar::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else SetValue(value.IsNumeric() ? float(value.ToDouble()) : min_);
}

// --- Style parts ------------------------------------------------------------------------------

void TvgScrollBar::Realign() {
  if (realigning_) return;
  realigning_ = true;
  UpdateTrack("htrack", vgHorizontal);
  UpdateTrack("vtrack", vgVertical);
  const bool horizontal = orientation_ == vgHorizontal;
  UpdateButton("leftbutton", horizontal, -1);
  UpdateButton("rightbutton", horizontal, 1);
  UpdateButton("topbutton", !horizontal, -1);
  UpdateButton("bottombutton", !horizontal, 1);
  realigning_ = false;
  TvgControl::Realign();
}

// The track shows the bar's values; moving it moves the bar.
void TvgScrollBar::UpdateTrack(const char* name, TvgOrientation orientation) {
  auto* track = dynamic_cast<TvgCustomTrack*>(FindResource(name));
  if (!track) return;
  track->SetOrientation(orientation);
  track->AssignRange(min_, max_, value_);
  track->SetViewportSize(viewportSize_);
  track->SetVisible(orientation == orientation_);
  track->OnChange = [this, track](TObject*) { SetValue(track->Value()); };
  track->SetCanFocused(false);
  if (track->Visible()) track->Realign();
}

// A click steps by SmallChange as it is at the click.
void TvgScrollBar::UpdateButton(const char* name, bool visible, float direction) {
  auto* button = dynamic_cast<TvgCustomButton*>(FindResource(name));
  if (!button) return;
  button->OnClick = [this, direction](TObject*) { SetValue(value_ + direction * smallChange_); };
  button->SetVisible(visible);
  button->SetCanFocused(false);
}

#include "controls/tracks/ProgressBar.h"

#include "controls/tracks/Orientation.h"

CL_PUBLISHED(TvgProgressBar) {
  using P = TvgProgressBar;
  published.Property("BindingSource", &P::BindingSource, &P::SetBindingSource);
  published.Property("Min", &P::Min, &P::SetMin).Default(0.0f);
  published.Property("Max", &P::Max, &P::SetMax).Default(100.0f);
  published.Property("Orientation", &P::Orientation, &P::SetOrientation).Default(vgHorizontal);
  published.Property("Value", &P::Value, &P::SetValue).Default(0.0f);
}

TvgProgressBar::TvgProgressBar(TComponent* owner) : TvgControl(owner) {
  SetCanFocused(false);
  SetSizeDirect(100, 20);
}

void TvgProgressBar::SetValue(float value) {
  if (value == value_) return;
  value_ = value;
  Realign();
}

// A new range shows at once, not only at the next Value.
void TvgProgressBar::SetMin(float min) {
  if (min == min_) return;
  min_ = min;
  Realign();
}

void TvgProgressBar::SetMax(float max) {
  if (max == max_) return;
  max_ = max;
  Realign();
}

void TvgProgressBar::SetOrientation(TvgOrientation orientation) {
  if (vgStoreOrientation(*this, orientation_, orientation, Designing() && !Loading())) Realign();
}

void TvgProgressBar::SetData(const Variant& value) {
  SetValue(value.IsNumeric() ? float(value.ToDouble()) : min_);
}

TvgVisualObject* TvgProgressBar::Part(const char* name) {
  TvgObject* part = FindResource(name);
  return part ? part->Visual() : nullptr;
}

// The indicator's animations keyed on visibility start with the style.
void TvgProgressBar::ApplyStyle() {
  TvgControl::ApplyStyle();
  if (TvgVisualObject* indicator = Part(orientation_ == vgVertical ? "vindicator" : "hindicator"))
    indicator->StartTriggerAnimation(this, "IsVisible");
  Realign();
}

// The track of the orientation shows (again, after a change back), the other one hides.
TvgVisualObject* TvgProgressBar::ShownTrack() {
  const bool vertical = orientation_ == vgVertical;
  if (TvgVisualObject* other = Part(vertical ? "htrack" : "vtrack")) other->SetVisible(false);
  TvgVisualObject* track = Part(vertical ? "vtrack" : "htrack");
  if (!track) return Part("track");
  track->SetVisible(true);
  return track;
}

// The indicator is sized after the layout, from the track's size of this layout.
void TvgProgressBar::Realign() {
  if (realigning_) return;
  realigning_ = true;
  TvgControl::Realign();
  if (TvgVisualObject* track = ShownTrack(); track && max_ > min_) SizeIndicator(*track);
  realigning_ = false;
}

void TvgProgressBar::SizeIndicator(TvgVisualObject& track) {
  const float share = (value_ - min_) / (max_ - min_);
  const TvgRect margins = track.Margins()->GetRect();
  const bool vertical = orientation_ == vgVertical;
  TvgVisualObject* shown = Part(vertical ? "vindicator" : "hindicator");
  if (TvgVisualObject* hidden = Part(vertical ? "hindicator" : "vindicator")) hidden->SetVisible(false);
  if (!shown) return;
  const TvgRect padding = shown->Padding()->GetRect();
  if (vertical) {
    shown->SetHeight(share * (track.Height() - margins.Top - margins.Bottom - padding.Top - padding.Bottom));
    shown->SetVisible(shown->Height() > 2);
  } else {
    shown->SetWidth(share * (track.Width() - margins.Left - margins.Right - padding.Left - padding.Right));
    shown->SetVisible(shown->Width() > 2);
  }
}

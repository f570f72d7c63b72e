#include "controls/compound/CompoundTrackBar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "classlib/core/SysUtils.h"
#include "controls/text/Label.h"
#include "controls/tracks/AngleButton.h"
#include "controls/tracks/Track.h"
#include "engine/values/Bounds.h"

CL_PUBLISHED(TvgCompoundValueControl) {
  using C = TvgCompoundValueControl;
  published.Property("ValueLabel", &C::ValueLabel);
}

CL_PUBLISHED(TvgCompoundTrackBar) {
  using C = TvgCompoundTrackBar;
  published.Property("TrackBar", &C::TrackBar);
  published.Property("DecimalDigits", &C::DecimalDigits, &C::SetDecimalDigits).Default(int32_t(2));
  published.Property("Suffix", &C::Suffix, &C::SetSuffix);
  published.Property("Value", &C::Value, &C::SetValue);
}

CL_PUBLISHED(TvgCompoundAngleBar) {
  using C = TvgCompoundAngleBar;
  published.Property("AngleButton", &C::AngleButton);
  published.Property("Value", &C::Value, &C::SetValue);
}

namespace {
constexpr float kValueHolderWidth = 50;

std::wstring WholeText(float value) { return std::to_wstring(Trunc(value)); }
}  // namespace

TvgCompoundValueControl::TvgCompoundValueControl(TComponent* owner) : TvgCompoundControl(owner) {
  TvgControl* holder = AddHolder(vaRight);
  holder->SetWidth(kValueHolderWidth);
  valueLabel_ = AddPart<TvgValueLabel>(holder, "ValueLabel", vaClient);
  valueLabel_->SetText(L"0");
  valueLabel_->Padding()->SetLeft(5);
}

TvgCompoundTrackBar::TvgCompoundTrackBar(TComponent* owner) : TvgCompoundValueControl(owner) {
  SetSizeDirect(200, 20);
  trackBar_ = AddPart<TvgTrackBar>(AddHolder(), "TrackBar", vaVertCenter);
  trackBar_->OnChange = [this](TObject* sender) {
    UpdateValueLabel();
    Changed(sender);
  };
}

float TvgCompoundTrackBar::Value() const { return trackBar_->Value(); }

void TvgCompoundTrackBar::SetValue(float value) {
  trackBar_->SetValue(value);
  UpdateValueLabel();
}

void TvgCompoundTrackBar::SetDecimalDigits(int32_t digits) {
  if (digits == decimalDigits_) return;
  decimalDigits_ = digits;
  UpdateValueLabel();
}

void TvgCompoundTrackBar::SetSuffix(const std::wstring& suffix) {
  if (suffix == suffix_) return;
  suffix_ = suffix;
  UpdateValueLabel();
}

std::wstring TvgCompoundTrackBar::ValueText() const {
  const float frequency = trackBar_->Frequency();
  if (frequency != 0 && std::trunc(frequency) == frequency) return WholeText(Value()) + suffix_;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", int(std::clamp(decimalDigits_, 0, 18)), double(Value()));
  return std::wstring(text, text + std::char_traits<char>::length(text)) + suffix_;
}

void TvgCompoundTrackBar::UpdateValueLabel() { ValueLabel()->SetText(ValueText()); }

TvgCompoundAngleBar::TvgCompoundAngleBar(TComponent* owner) : TvgCompoundValueControl(owner) {
  SetSizeDirect(200, 20);
  angleButton_ = AddPart<TvgAngleButton>(AddHolder(), "AngleBar", vaFit);
  angleButton_->OnChange = [this](TObject* sender) {
    Changed(sender);
    UpdateValueLabel();
  };
}

float TvgCompoundAngleBar::Value() const { return angleButton_->Value(); }

void TvgCompoundAngleBar::SetValue(float value) {
  angleButton_->SetValue(value);
  UpdateValueLabel();
}

void TvgCompoundAngleBar::UpdateValueLabel() { ValueLabel()->SetText(WholeText(Value())); }

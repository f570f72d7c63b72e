#include "controls/tracks/AngleButton.h"

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "engine/shapes/Text.h"
#include "engine/tree/ObjectRegistry.h"

#include <string>

CL_PUBLISHED(TvgAngleButton) {
  using A = TvgAngleButton;
  published.Property("BindingSource", &A::BindingSource, &A::SetBindingSource);
  published.Property("Frequency", &A::Frequency, &A::SetFrequency).Default(0.0f);
  published.Property("Tracking", &A::Tracking, &A::SetTracking).Default(true);
  published.Property("ShowValue", &A::ShowValue, &A::SetShowValue).Default(false);
  published.Property("Value", &A::Value, &A::SetValue).Default(0.0f);
  published.Property("OnChange", &A::OnChange, &A::OnChange);
}

CL_PUBLISHED(TvgHudAngleButton) {}

TvgAngleButton::TvgAngleButton(TComponent* owner) : TvgControl(owner) {
  SetSizeDirect(30, 30);
  SetAutoCapture(true);
}

void TvgAngleButton::SetValue(float value) {
  if (frequency_ != 0) value = frequency_ * float(Round(value / frequency_));
  if (value == value_) return;
  value_ = value;
  if (!TurnTick()) Repaint();
  UpdateText();
  if (!pressed_ || tracking_) OnChange(this);
}

void TvgAngleButton::SetShowValue(bool show) {
  if (show == showValue_) return;
  showValue_ = show;
  UpdateText();
  Repaint();
}

void TvgAngleButton::SetData(const Variant& value) {
  if (vgVarIsMethod(value)) OnChange = TNotifyEvent::FromMethod(vgVariantToMethod(value));
  else SetValue(value.IsNumeric() ? float(value.ToDouble()) : 0);
}

bool TvgAngleButton::TurnTick() {
  TvgObject* tick = FindResource("tick");
  if (!tick || !tick->IsVisual()) return false;
  tick->Visual()->SetRotateAngle(-value_);
  return true;
}

// "tracktext" carries the value but stays hidden; "text" shows it while ShowValue is on.
void TvgAngleButton::UpdateText() {
  const std::wstring text = std::to_wstring(Round(value_)) + L"\u00B0";
  if (auto* trackText = dynamic_cast<TvgText*>(FindResource("tracktext"))) {
    trackText->SetVisible(false);
    trackText->SetText(text);
    trackText->SetOpacity(pressed_ && !tracking_ ? 1 : 0);
  }
  if (auto* shown = dynamic_cast<TvgText*>(FindResource("text"))) {
    shown->SetVisible(showValue_);
    shown->SetText(text);
    shown->SetOpacity(showValue_ ? 1 : 0);
  }
}

void TvgAngleButton::ApplyStyle() {
  TvgControl::ApplyStyle();
  TurnTick();
  UpdateText();
}

void TvgAngleButton::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  pressed_ = true;
  valueAtPress_ = value_;
  UpdateText();
}

void TvgAngleButton::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgControl::MouseMove(shift, x, y, dx, dy);
  if (!shift.Contains(ssLeft) || !pressed_) return;
  SetValue(vgVectorAngle({1, 0, 0}, {x - Width() / 2, y - Height() / 2, 0}));
  UpdateText();
}

// With Tracking on every change has been reported while dragging.
void TvgAngleButton::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgControl::MouseUp(button, shift, x, y);
  if (!pressed_) return;
  pressed_ = false;
  UpdateText();
  if (!tracking_ && value_ != valueAtPress_) OnChange(this);
}

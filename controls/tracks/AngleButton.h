#pragma once
// TvgAngleButton: a knob whose Value is the angle, in degrees, from its centre to the pointer
// while the left button drags it (positive above the centre line, to 180 either way). The style
// part "tick" turns with it; the part "text" shows the rounded value with "°" while ShowValue.
// With Tracking off OnChange waits for the release and reports a changed value once.
#include "engine/tree/Control.h"

class TvgAngleButton : public TvgControl {
  CL_CLASS(TvgAngleButton, TvgControl)
public:
  explicit TvgAngleButton(TComponent* owner);

  float Value() const { return value_; }
  void SetValue(float value);
  float Frequency() const { return frequency_; }
  void SetFrequency(float frequency) { frequency_ = frequency; }
  bool Tracking() const { return tracking_; }
  void SetTracking(bool tracking) { tracking_ = tracking; }
  bool ShowValue() const { return showValue_; }
  void SetShowValue(bool show);

  Variant GetData() override { return Variant(double(value_)); }
  // A packed method becomes OnChange; a number sets Value; anything else sets 0.
  void SetData(const Variant& value) override;
  void ApplyStyle() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;

  TNotifyEvent OnChange;

private:
  bool TurnTick();  // false without a "tick" part
  void UpdateText();

  float value_ = 0;
  float frequency_ = 0;
  bool tracking_ = true;
  bool showValue_ = false;
  bool pressed_ = false;
  float valueAtPress_ = 0;
};

class TvgHudAngleButton : public TvgAngleButton {
  CL_CLASS(TvgHudAngleButton, TvgAngleButton)
public:
  using TvgAngleButton::TvgAngleButton;
};

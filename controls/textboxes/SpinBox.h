#pragma once
// TvgSpinBox: a value box with the style's "minusbutton" and "plusbutton", which step the value
// by Increment and report it at once; Up and Down step it too.
#include "controls/textboxes/ValueBox.h"

class TvgSpinBox : public TvgCustomValueBox {
  CL_CLASS(TvgSpinBox, TvgCustomValueBox)
public:
  explicit TvgSpinBox(TComponent* owner);

  float Increment() const { return increment_; }
  void SetIncrement(float increment) { increment_ = increment; }
  // Switching to whole numbers drops a fractional Increment to 1.
  void SetValueType(TvgValueType type) override;

  void ApplyStyle() override;
  void FreeStyle() override;
  void KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) override;

protected:
  float Step() const override { return increment_; }

private:
  void StepAndReport(float step);

  float increment_ = 1;
  TvgCustomButton* minusButton_ = nullptr;
  TvgCustomButton* plusButton_ = nullptr;
};

class TvgHudSpinBox : public TvgSpinBox {
  CL_CLASS(TvgHudSpinBox, TvgSpinBox)
public:
  using TvgSpinBox::TvgSpinBox;
};

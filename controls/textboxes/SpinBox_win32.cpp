#include "controls/textboxes/SpinBox.h"

#include <cmath>

#include "controls/buttons/Button.h"
#include "engine/tree/ObjectRegistry.h"

CL_PUBLISHED(TvgSpinBox) {
  using B = TvgSpinBox;
  published.Property("Increment", &B::Increment, &B::SetIncrement).Default(1.0f);
  published.Property("TextAlign", &B::TextAlign, &B::SetTextAlign).Default(vgTextAlignCenter);
}
CL_PUBLISHED(TvgHudSpinBox) {}

TvgSpinBox::TvgSpinBox(TComponent* owner) : TvgCustomValueBox(owner) { SetTextAlign(vgTextAlignCenter); }

void TvgSpinBox::SetValueType(TvgValueType type) {
  TvgCustomValueBox::SetValueType(type);
  if (type == vgValueInteger && increment_ != std::trunc(increment_)) increment_ = 1;
}

void TvgSpinBox::StepAndReport(float step) {
  SetFocus();
  SetValue(Value() + step);
  SetModified(true);
  Change();
}

void TvgSpinBox::ApplyStyle() {
  TvgCustomValueBox::ApplyStyle();
  minusButton_ = dynamic_cast<TvgCustomButton*>(FindResource("minusbutton"));
  plusButton_ = dynamic_cast<TvgCustomButton*>(FindResource("plusbutton"));
  if (minusButton_) minusButton_->OnClick = [this](TObject*) { StepAndReport(-increment_); };
  if (plusButton_) plusButton_->OnClick = [this](TObject*) { StepAndReport(increment_); };
}

void TvgSpinBox::FreeStyle() {
  minusButton_ = plusButton_ = nullptr;
  TvgCustomValueBox::FreeStyle();
}

void TvgSpinBox::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  if (StepByKey(key)) {
    key = 0;
    return;
  }
  TvgCustomValueBox::KeyDown(key, keyChar, shift);
}

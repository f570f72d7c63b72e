#pragma once
// TvgIPhoneButton: a bitmap button on a rounded tile whose colour is its own Background brush,
// given to the style's "background" shape.
#include <memory>

#include "controls/buttons/BitmapButton.h"

class TvgBrush;

class TvgIPhoneButton : public TvgBitmapButton {
  CL_CLASS(TvgIPhoneButton, TvgBitmapButton)
public:
  explicit TvgIPhoneButton(TComponent* owner);
  ~TvgIPhoneButton() override;

  TvgBrush* Background() const { return background_.get(); }
  void SetBackground(TvgBrush* brush);

  void ApplyStyle() override;

private:
  void PaintBackground();

  std::unique_ptr<TvgBrush> background_;
};

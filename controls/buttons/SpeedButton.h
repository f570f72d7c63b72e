#pragma once
// TvgSpeedButton: a small square button without text that repeats its click while held and is no
// focus stop.
#include "controls/buttons/Button.h"

class TvgSpeedButton : public TvgCustomButton {
  CL_CLASS(TvgSpeedButton, TvgCustomButton)
public:
  explicit TvgSpeedButton(TComponent* owner);
};

class TvgHudSpeedButton : public TvgSpeedButton {
  CL_CLASS(TvgHudSpeedButton, TvgSpeedButton)
public:
  using TvgSpeedButton::TvgSpeedButton;
};

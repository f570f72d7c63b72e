#include "controls/buttons/SpeedButton.h"

CL_PUBLISHED(TvgSpeedButton) {
  using B = TvgSpeedButton;
  published.Property("CanFocused", &B::CanFocused, &B::SetCanFocused).Default(false);
  published.Property("RepeatClick", &B::RepeatClick, &B::SetRepeatClick).Default(true);
}

CL_PUBLISHED(TvgHudSpeedButton) {}

TvgSpeedButton::TvgSpeedButton(TComponent* owner) : TvgCustomButton(owner) {
  SetSizeDirect(23, 23);
  SetCanFocused(false);
  SetRepeatClick(true);
}

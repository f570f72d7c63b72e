#include "controls/buttons/CornerButton.h"

CL_PUBLISHED(TvgCornerButton) {
  using B = TvgCornerButton;
  published.Property("xRadius", &B::XRadius, &B::SetXRadius).Default(3.0f);
  published.Property("yRadius", &B::YRadius, &B::SetYRadius).Default(3.0f);
  published.Property("Corners", &B::Corners, &B::SetCorners).Default(vgAllCorners);
  published.Property("CornerType", &B::CornerType, &B::SetCornerType).Default(vgCornerRound);
  published.Property("Sides", &B::Sides, &B::SetSides).Default(vgAllSides);
}

CL_PUBLISHED(TvgHudCornerButton) {}

void TvgCornerButton::ApplyStyle() {
  TvgCustomButton::ApplyStyle();
  auto* background = dynamic_cast<TvgRectangle*>(FindResource("Background"));
  if (!background) return;
  background->SetCornerType(cornerType_);
  background->SetCorners(corners_);
  background->SetXRadius(xRadius_);
  background->SetYRadius(yRadius_);
  background->SetSides(sides_);
}

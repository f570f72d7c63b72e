#pragma once
// TvgCornerButton: a button whose background rectangle takes the corners, radii and sides the
// button is given.
#include "controls/buttons/Button.h"
#include "engine/shapes/Shapes.h"

class TvgCornerButton : public TvgCustomButton {
  CL_CLASS(TvgCornerButton, TvgCustomButton)
public:
  using TvgCustomButton::TvgCustomButton;

  float XRadius() const { return xRadius_; }
  void SetXRadius(float radius) { StoreAndApply(xRadius_, radius); }
  float YRadius() const { return yRadius_; }
  void SetYRadius(float radius) { StoreAndApply(yRadius_, radius); }
  TvgCorners Corners() const { return corners_; }
  void SetCorners(TvgCorners corners) { StoreAndApply(corners_, corners); }
  TvgCornerType CornerType() const { return cornerType_; }
  void SetCornerType(TvgCornerType type) { StoreAndApply(cornerType_, type); }
  TvgSides Sides() const { return sides_; }
  void SetSides(TvgSides sides) { StoreAndApply(sides_, sides); }

  void ApplyStyle() override;

private:
  float xRadius_ = 3;
  float yRadius_ = 3;
  TvgCorners corners_ = vgAllCorners;
  TvgCornerType cornerType_ = vgCornerRound;
  TvgSides sides_ = vgAllSides;
};

class TvgHudCornerButton : public TvgCornerButton {
  CL_CLASS(TvgHudCornerButton, TvgCornerButton)
public:
  using TvgCornerButton::TvgCornerButton;
};

#pragma once
// TvgColorBox: a swatch of one ARGB colour over a checkerboard that shows its transparency.
#include "engine/tree/Control.h"
#include "engine/values/Colors.h"

class TvgColorBox : public TvgControl {
  CL_CLASS(TvgColorBox, TvgControl)
public:
  using TvgControl::TvgControl;

  TvgColor Color() const { return color_; }
  void SetColor(TvgColor color);

  void Paint() override;

private:
  TvgColor color_ = 0;
};

#pragma once
// TvgGroupBox: a frame with a caption around a group of controls; its style has the parts
// "background" and "text".
#include "controls/text/TextControl.h"

class TvgGroupBox : public TvgTextControl {
  CL_CLASS(TvgGroupBox, TvgTextControl)
public:
  explicit TvgGroupBox(TComponent* owner);
};

class TvgHudGroupBox : public TvgGroupBox {
  CL_CLASS(TvgHudGroupBox, TvgGroupBox)
public:
  using TvgGroupBox::TvgGroupBox;
};

#pragma once
// TvgStatusBar: the bar along the bottom of a window; its style's "sizegrip" part shows while
// ShowSizeGrip is on and, outside the designer, takes the pointer.
#include "engine/tree/Control.h"

class TvgStatusBar : public TvgControl {
  CL_CLASS(TvgStatusBar, TvgControl)
public:
  explicit TvgStatusBar(TComponent* owner);

  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool show);

  void ApplyStyle() override;

private:
  bool showSizeGrip_ = true;
};

class TvgHudStatusBar : public TvgStatusBar {
  CL_CLASS(TvgHudStatusBar, TvgStatusBar)
public:
  using TvgStatusBar::TvgStatusBar;
};

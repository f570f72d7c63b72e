#pragma once
// Panels: plain styled areas, and the panel with a callout pointer whose geometry it gives to its
// style's callout rectangle.
#include "engine/tree/Control.h"
#include "engine/paint/RectOutline.h"

class TvgCalloutRectangle;

class TvgPanel : public TvgControl {
  CL_CLASS(TvgPanel, TvgControl)
public:
  explicit TvgPanel(TComponent* owner);
};

class TvgHudPanel : public TvgPanel {
  CL_CLASS(TvgHudPanel, TvgPanel)
public:
  using TvgPanel::TvgPanel;
};

class TvgCalloutPanel : public TvgPanel {
  CL_CLASS(TvgCalloutPanel, TvgPanel)
public:
  using TvgPanel::TvgPanel;

  float CalloutWidth() const { return callout_.Width; }
  void SetCalloutWidth(float width) { StoreAndApply(callout_.Width, width); }
  float CalloutLength() const { return callout_.Length; }
  void SetCalloutLength(float length) { StoreAndApply(callout_.Length, length); }
  TvgCalloutPosition CalloutPosition() const { return callout_.Position; }
  void SetCalloutPosition(TvgCalloutPosition position) { StoreAndApply(callout_.Position, position); }
  float CalloutOffset() const { return callout_.Offset; }
  void SetCalloutOffset(float offset) { StoreAndApply(callout_.Offset, offset); }

  void ApplyStyle() override;

private:
  TvgCalloutRectangle* CalloutPart();

  TvgCallout callout_;  // 23 wide, 11 long, on top, centred
};

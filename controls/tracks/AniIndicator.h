#pragma once
// TvgAniIndicator: the busy indicator. Twelve spokes (vgAniIndicatorLine) or eight dots
// (vgAniIndicatorCircle) in light grey, over which a dark highlight sweeps round once every
// 10/12 s while Enabled. An inner object, turned by a looping animation, keeps the time.
#include "engine/tree/Control.h"

class TvgFloatAnimation;

CL_ENUM(TvgAniIndicatorStyle, vgAniIndicatorLine, vgAniIndicatorCircle)

class TvgAniIndicator : public TvgControl {
  CL_CLASS(TvgAniIndicator, TvgControl)
public:
  explicit TvgAniIndicator(TComponent* owner);

  // The indicator's own switch, not the visual object's Enabled: on, it runs.
  bool IndicatorEnabled() const { return enabled_; }
  void SetIndicatorEnabled(bool enabled);
  TvgAniIndicatorStyle Style() const { return style_; }
  void SetStyle(TvgAniIndicatorStyle style);
  // The inner object whose angle drives the highlight.
  TvgVisualObject* Rotor() const { return rotor_; }

  void Paint() override;

private:
  // How far behind the highlight mark i of count lies, 0 (lit) to below 1.
  float Lag(int i, int divisor) const;
  void PaintLines(float radius, float thickness);
  void PaintDots(float radius, float thickness);

  TvgVisualObject* rotor_;
  TvgFloatAnimation* rotation_;
  bool enabled_ = false;
  TvgAniIndicatorStyle style_ = vgAniIndicatorLine;
};

#include "controls/tracks/AniIndicator.h"

#include <algorithm>
#include <cmath>

#include "classlib/core/SysUtils.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"

CL_PUBLISHED(TvgAniIndicator) {
  using A = TvgAniIndicator;
  published.Property("Enabled", &A::IndicatorEnabled, &A::SetIndicatorEnabled).Default(false);
  published.Property("Style", &A::Style, &A::SetStyle).Default(vgAniIndicatorLine);
}

namespace {
constexpr TvgColor kMarkColor = 0xFFBABABA;
constexpr TvgColor kHighlightColor = 0xFF000000;
}  // namespace

TvgAniIndicator::TvgAniIndicator(TComponent* owner)
    : TvgControl(owner), rotor_(new TvgVisualObject(nullptr)), rotation_(new TvgFloatAnimation(nullptr)) {
  rotor_->SetAlign(vaContents);
  rotor_->SetLocked(true);
  rotor_->SetStored(false);
  AddObject(rotor_);
  rotation_->SetLoop(true);
  rotation_->SetStartValue(0);
  rotation_->SetStopValue(360);
  rotation_->SetDuration(10);
  rotation_->SetPropertyName("RotateAngle");
  rotation_->SetStored(false);
  rotor_->AddObject(rotation_);
}

void TvgAniIndicator::SetIndicatorEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_) rotation_->Start();
  else rotation_->Stop();
}

void TvgAniIndicator::SetStyle(TvgAniIndicatorStyle style) {
  if (style == style_) return;
  style_ = style;
  Repaint();
}

float TvgAniIndicator::Lag(int i, int divisor) const {
  const int64_t angle = Trunc(rotor_->RotateAngle());
  const int64_t mark = Trunc(float(i) / float(divisor) * 30);
  return float((angle - mark + 30) % 30) / 30;
}

void TvgAniIndicator::Paint() {
  TvgCanvas* canvas = GetCanvas();
  const int state = canvas->SaveState();
  const float outer = std::min(Width(), Height()) / 2;
  const float thickness = outer / 3.7f;
  if (style_ == vgAniIndicatorLine) PaintLines(outer - thickness, thickness);
  else PaintDots(outer - thickness, thickness);
  if (state >= 0) canvas->RestoreState(state);
}

void TvgAniIndicator::PaintLines(float radius, float thickness) {
  TvgCanvas* canvas = GetCanvas();
  const float opacity = GetAbsoluteOpacity();
  canvas->Stroke()->SetStyle(vgBrushSolid);
  canvas->StrokeThickness = thickness / 2;
  for (int i = 0; i < 12; ++i) {
    const float angle = vgDegToRad(float(i) * 30);
    const TvgPoint outer{std::cos(angle) * radius + Width() / 2, std::sin(angle) * radius + Height() / 2};
    const TvgPoint inner{std::cos(angle) * radius / 2 + Width() / 2, std::sin(angle) * radius / 2 + Height() / 2};
    canvas->Stroke()->SetSolidColor(kMarkColor);
    canvas->DrawLine(outer, inner, opacity);
    if (!enabled_) continue;
    canvas->Stroke()->SetSolidColor(kHighlightColor);
    canvas->DrawLine(outer, inner, (1 - Lag(i, 12)) * opacity);
  }
}

void TvgAniIndicator::PaintDots(float radius, float thickness) {
  TvgCanvas* canvas = GetCanvas();
  const float opacity = GetAbsoluteOpacity();
  canvas->Stroke()->SetStyle(vgBrushNone);
  canvas->Fill()->SetStyle(vgBrushSolid);
  for (int i = 0; i < 8; ++i) {
    const float angle = vgDegToRad(float(i) * 45);
    const TvgPoint center{std::cos(angle) * radius + Width() / 2, std::sin(angle) * radius + Height() / 2};
    const TvgRect dot = vgMakeRect(center.X - thickness, center.Y - thickness, center.X + thickness,
                                   center.Y + thickness);
    canvas->Fill()->SetSolidColor(kMarkColor);
    canvas->FillEllipse(dot, opacity);
    if (!enabled_) continue;
    canvas->Fill()->SetSolidColor(kHighlightColor);
    canvas->FillEllipse(dot, (1 - Lag(i, 7)) * opacity);
  }
}

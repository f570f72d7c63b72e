#include "engine/animation/PathAnimation.h"

#include <algorithm>
#include <cmath>

#include "engine/values/Bounds.h"
#include "engine/paint/PathData.h"
#include "engine/values/Spline.h"
#include "engine/tree/VisualObject.h"

CL_PUBLISHED(TvgPathAnimation) {
  published.Property("Path", &TvgPathAnimation::Path, &TvgPathAnimation::SetPath);
  published.Property("Rotate", &TvgPathAnimation::Rotate, &TvgPathAnimation::SetRotate).Default(false);
}

TvgPathAnimation::TvgPathAnimation(TComponent* owner)
    : TvgAnimation(owner), path_(std::make_unique<TvgPathData>()) {}

TvgPathAnimation::~TvgPathAnimation() = default;

void TvgPathAnimation::SetPath(TvgPathData* path) { path_->Assign(path); }

// The object moved is the parent at the start, as long as it stays the parent; the pointer is
// only compared until then, so an old parent that has gone is never touched.
TvgVisualObject* TvgPathAnimation::Target() const {
  return target_ && Parent() == target_ ? target_ : nullptr;
}

void TvgPathAnimation::Start() {
  TvgPolygon points;
  path_->FlattenToPolygon(points, 0.25f);
  // The spline runs through the figures' points; a figure's end marker stands for the point before it.
  for (size_t i = 1; i < points.size(); ++i)
    if (points[i] == vgClosePolygon) points[i] = points[i - 1];
  splineEnd_ = float(std::max<int>(int(points.size()) - 1, 0));
  spline_ = std::make_unique<TvgSpline>(points);
  target_ = Parent() ? Parent()->Visual() : nullptr;
  if (target_) startPosition_ = target_->Position()->GetPoint();
  TvgAnimation::Start();
}

// The spline is followed from its first point to its last over the run.
void TvgPathAnimation::ProcessAnimation() {
  TvgVisualObject* target = Target();
  if (!target || !spline_) return;
  const float t = NormalizedTime();
  float x, y;
  spline_->SplineXY(t * splineEnd_, x, y);
  const TvgPoint before = target->Position()->GetPoint();
  const TvgPoint after{startPosition_.X + x, startPosition_.Y + y};
  target->Position()->SetPoint(after);
  if (rotate_ && t > 0 && t < 1 && after.X != before.X && after.Y != before.Y)
    TurnAlong(target, {after.X - before.X, after.Y - before.Y, 0});
}

// The angle is measured from the downward axis; an inverse run faces the other way.
void TvgPathAnimation::TurnAlong(TvgVisualObject* target, const TvgVector& motion) {
  const float length = std::hypot(motion.X, motion.Y);
  const float a = vgRadToDeg(std::acos(std::clamp(motion.Y / length, -1.0f, 1.0f)));
  const bool rightwards = motion.X >= 0;
  if (Inverse()) target->SetRotateAngle(rightwards ? 180 - a : a + 180);
  else target->SetRotateAngle(rightwards ? -a : a);
}

CL_PUBLISHED(TvgPathSwitcher) {
  published.Property("PropertyName", &TvgPathSwitcher::PropertyName, &TvgPathSwitcher::SetPropertyName);
  published.Property("PathTrue", &TvgPathSwitcher::PathTrue, &TvgPathSwitcher::SetPathTrue);
  published.Property("PathFalse", &TvgPathSwitcher::PathFalse, &TvgPathSwitcher::SetPathFalse);
}

TvgPathSwitcher::TvgPathSwitcher(TComponent* owner) : TvgAnimation(owner) { SetDuration(0.001f); }

#include "engine/design/SelectionPoint.h"

#include <algorithm>
#include <cmath>

#include "engine/design/Grips.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/SceneInterface.h"
// The platform's headers after the engine's, which they would rename.
#include "classlib/desktop/Control.h"

CL_PUBLISHED(TvgSelectionPoint) {
  using S = TvgSelectionPoint;
  published.Property("GripSize", &S::GripSize, &S::SetGripSize).Default(3.0f);
  published.Property("ParentBounds", &S::ParentBounds, &S::SetParentBounds).Default(true);
  published.Property("OnChange", &S::OnChange, &S::OnChange);
  published.Property("OnTrack", &S::OnTrack, &S::OnTrack);
}

TvgSelectionPoint::TvgSelectionPoint(TComponent* owner) : TvgVisualObject(owner) {
  SetAutoCapture(true);
  KeepSizeToGrip();
}

void TvgSelectionPoint::SetGripSize(float size) {
  size = std::clamp(size, 1.0f, 20.0f);
  if (size == gripSize_) return;
  gripSize_ = size;
  KeepSizeToGrip();
  Repaint();
}

void TvgSelectionPoint::KeepSizeToGrip() {
  TvgVisualObject::SetWidth(gripSize_ * 2);
  TvgVisualObject::SetHeight(gripSize_ * 2);
}

void TvgSelectionPoint::SetWidth(float) { KeepSizeToGrip(); }

void TvgSelectionPoint::SetHeight(float) { KeepSizeToGrip(); }

bool TvgSelectionPoint::PointInObject(float x, float y) {
  const TvgPoint local = AbsoluteToLocal({x, y});
  return std::fabs(local.X) < gripSize_ && std::fabs(local.Y) < gripSize_;
}

TvgRect TvgSelectionPoint::GetUpdateRect() {
  TvgRect rect = TvgVisualObject::GetUpdateRect();
  vgInflateRect(rect, gripSize_ + 1, gripSize_ + 1);
  return rect;
}

void TvgSelectionPoint::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgVisualObject::MouseDown(button, shift, x, y);
  if (button == mbLeft) dragging_ = true;
}

void TvgSelectionPoint::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgVisualObject::MouseMove(shift, x, y, dx, dy);
  if (!dragging_) return;
  Position()->SetPoint(vgPointInParent(*this, {x, y}, parentBounds_));
  OnTrack(this);
}

void TvgSelectionPoint::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgVisualObject::MouseUp(button, shift, x, y);
  if (std::exchange(dragging_, false)) OnChange(this);
}

void TvgSelectionPoint::MouseEnter() {
  TvgVisualObject::MouseEnter();
  Repaint();
}

void TvgSelectionPoint::MouseLeave() {
  TvgVisualObject::MouseLeave();
  Repaint();
}

void TvgSelectionPoint::Paint() {
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const bool hot = IsMouseOver() || (Scene() && Scene()->GetSelected() == this);
  vgPaintGrip(*canvas, {0, 0}, gripSize_, hot, GetAbsoluteOpacity());
}

#include "engine/design/Selection.h"

#include <algorithm>
#include <cmath>

#include "engine/design/Grips.h"
#include "engine/paint/Canvas.h"
// The platform's headers after the engine's, which they would rename.
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"

namespace {

constexpr float kMinGrip = 1, kMaxGrip = 20;

// A local offset of the object in its parent's coordinates: the object's own scale and rotation
// applied, without its position.
TvgPoint OffsetInParent(const TvgMatrix& local, const TvgPoint& offset) {
  return {offset.X * local.m11 + offset.Y * local.m21, offset.X * local.m12 + offset.Y * local.m22};
}

}  // namespace

CL_PUBLISHED(TvgSelection) {
  using S = TvgSelection;
  published.Property("GripSize", &S::GripSize, &S::SetGripSize).Default(3.0f);
  published.Property("MinSize", &S::MinSize, &S::SetMinSize).Default(15);
  published.Property("ParentBounds", &S::ParentBounds, &S::SetParentBounds).Default(true);
  published.Property("HideSelection", &S::HideSelection, &S::SetHideSelection).Default(false);
  published.Property("Proportional", &S::Proportional, &S::SetProportional).Default(false);
  published.Property("OnChange", &S::OnChange, &S::OnChange);
  published.Property("OnTrack", &S::OnTrack, &S::OnTrack);
}

TvgSelection::TvgSelection(TComponent* owner) : TvgVisualObject(owner) { SetAutoCapture(true); }

void TvgSelection::SetGripSize(float size) {
  size = std::clamp(size, kMinGrip, kMaxGrip);
  if (size == gripSize_) return;
  gripSize_ = size;
  RecalcUpdateRect();
  Repaint();
}

void TvgSelection::SetMinSize(int32_t size) { minSize_ = std::max(size, 1); }

void TvgSelection::SetHideSelection(bool hide) {
  if (hide == hideSelection_) return;
  hideSelection_ = hide;
  Repaint();
}

std::array<TvgPoint, 4> TvgSelection::Corners() const {
  return {TvgPoint{0, 0}, TvgPoint{Width(), 0}, TvgPoint{Width(), Height()}, TvgPoint{0, Height()}};
}

// Grip squares include their edges.
int TvgSelection::GripAt(const TvgPoint& local) const {
  const auto corners = Corners();
  for (size_t i = 0; i < corners.size(); ++i)
    if (std::fabs(local.X - corners[i].X) <= gripSize_ && std::fabs(local.Y - corners[i].Y) <= gripSize_)
      return int(i);
  return -1;
}

bool TvgSelection::PointInObject(float x, float y) {
  return TvgVisualObject::PointInObject(x, y) || GripAt(AbsoluteToLocal({x, y})) >= 0;
}

TvgRect TvgSelection::GetUpdateRect() {
  TvgRect rect = TvgVisualObject::GetUpdateRect();
  vgInflateRect(rect, gripSize_ + 4, gripSize_ + 4);
  return rect;
}

void TvgSelection::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  TvgVisualObject::MouseDown(button, shift, x, y);
  downPoint_ = {x, y};
  if (button != mbLeft) return;
  ratio_ = Height() != 0 ? Width() / Height() : 1;
  const int grip = GripAt(downPoint_);
  dragMode_ = grip < 0 ? dmMove : TDragMode(dmTopLeft + grip);
}

void TvgSelection::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  TvgVisualObject::MouseMove(shift, x, y, dx, dy);
  if (!shift.Contains(ssLeft)) return UpdateHover({x, y});
  if (dragMode_ == dmNone) return;
  if (dragMode_ == dmMove) Move({x, y});
  else Resize({x, y});
  OnTrack(this);
}

void TvgSelection::UpdateHover(const TvgPoint& local) {
  const auto corners = Corners();
  for (size_t i = 0; i < corners.size(); ++i) {
    const bool over = std::fabs(local.X - corners[i].X) <= gripSize_ && std::fabs(local.Y - corners[i].Y) <= gripSize_;
    if (over == hovered_[i]) continue;
    hovered_[i] = over;
    Repaint();
  }
}

// The grabbed point stays under the pointer; with ParentBounds the frame stays inside.
void TvgSelection::Move(const TvgPoint& local) {
  const TvgPoint offset = OffsetInParent(LocalMatrix(), {local.X - downPoint_.X, local.Y - downPoint_.Y});
  TvgPoint position{Position()->X() + offset.X, Position()->Y() + offset.Y};
  TvgVisualObject* parent = Parent() ? Parent()->Visual() : nullptr;
  if (parentBounds_ && parent) {
    position.X = std::min(std::max(position.X, 0.0f), parent->Width() - Width());
    position.Y = std::min(std::max(position.Y, 0.0f), parent->Height() - Height());
  }
  Position()->SetPoint(position);
}

// The grabbed corner follows the pointer, the opposite one stays. Edges are worked out along
// the frame's own axes, so a scaled or turned frame resizes along them.
void TvgSelection::Resize(const TvgPoint& local) {
  const TvgPoint inParent = vgPointInParent(*this, local, parentBounds_);
  TvgVisualObject* parent = Parent() ? Parent()->Visual() : nullptr;
  const TvgPoint pointer = AbsoluteToLocal(parent ? parent->LocalToAbsolute(inParent) : inParent);
  float left = 0, top = 0, right = Width(), bottom = Height();
  const bool grabsLeft = dragMode_ == dmTopLeft || dragMode_ == dmBottomLeft;
  const bool grabsTop = dragMode_ == dmTopLeft || dragMode_ == dmTopRight;
  if (grabsLeft) left = pointer.X - downPoint_.X;
  else right = pointer.X;
  if (grabsTop) top = pointer.Y - downPoint_.Y;
  else bottom = pointer.Y;
  float width = std::max(right - left, float(minSize_));
  float height = std::max(bottom - top, float(minSize_));
  if (proportional_) {
    if (width < float(minSize_) * ratio_) width = float(Round(float(minSize_) * ratio_));
    height = float(Round(width / ratio_));
  }
  // The fixed corner keeps its place: the origin moves by the change on the grabbed sides.
  const TvgPoint shift{grabsLeft ? Width() - width : 0, grabsTop ? Height() - height : 0};
  const TvgPoint offset = OffsetInParent(LocalMatrix(), shift);
  SetBounds(Position()->X() + offset.X, Position()->Y() + offset.Y, width, height);
  Repaint();
}

void TvgSelection::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  TvgVisualObject::MouseUp(button, shift, x, y);
  if (std::exchange(dragMode_, dmNone) != dmNone) OnChange(this);
}

void TvgSelection::MouseLeave() {
  TvgVisualObject::MouseLeave();
  hovered_.fill(false);
  Repaint();
}

void TvgSelection::Paint() {
  if (hideSelection_) return;
  TvgCanvas* canvas = GetCanvas();
  if (!canvas) return;
  const float opacity = GetAbsoluteOpacity();
  vgPaintSelectionFrame(*canvas, GetLocalRect(), opacity);
  const auto corners = Corners();
  for (size_t i = 0; i < corners.size(); ++i) vgPaintGrip(*canvas, corners[i], gripSize_, hovered_[i], opacity);
}

// TvgVisualObject's matrices, rects and the cached absolute values (opacity, enabled state,
// update rect) derived from its ancestors.
#include "engine/tree/VisualObject.h"

#include <algorithm>
#include <functional>

#include "engine/effects/Effect.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObjectInternal.h"

namespace {

// Raises an object's update count for the duration of a computation, so that nothing repaints
// from inside it.
class TUpdateCountScope {
public:
  explicit TUpdateCountScope(int& count) : count_(count) { ++count_; }
  ~TUpdateCountScope() { --count_; }
  TUpdateCountScope(const TUpdateCountScope&) = delete;
  TUpdateCountScope& operator=(const TUpdateCountScope&) = delete;

private:
  int& count_;
};

TvgRect BoundsOfCorners(const TvgRect& r, const std::function<TvgPoint(const TvgPoint&)>& map) {
  const TvgPoint corners[4] = {map({r.Left, r.Top}), map({r.Right, r.Top}), map({r.Right, r.Bottom}),
                               map({r.Left, r.Bottom})};
  TvgRect bounds;
  vgPointsBounds(corners, 3, bounds);
  return bounds;
}

}  // namespace

TvgCanvas* TvgVisualObject::GetCanvas() const {
  if (canvas_) return canvas_;
  return Scene() ? Scene()->GetCanvas() : nullptr;
}

void TvgVisualObject::MatrixChanged(TObject*) {
  Repaint();
  UpdateLocalMatrix();
  RecalcUpdateRect();
  UpdateEffects();
  Repaint();
}

// Rotation about the rotation centre in unscaled local units, then the scale, then the move.
void TvgVisualObject::UpdateLocalMatrix() {
  TvgMatrix local = vgIdentityMatrix;
  local.m11 = scale_->X();
  local.m22 = scale_->Y();
  local.m31 = position_->X();
  local.m32 = position_->Y();
  if (rotateAngle_ != 0) {
    TvgMatrix toCenter = vgIdentityMatrix, fromCenter = vgIdentityMatrix;
    toCenter.m31 = -rotateCenter_->X() * width_;
    toCenter.m32 = -rotateCenter_->Y() * height_;
    fromCenter.m31 = -toCenter.m31;
    fromCenter.m32 = -toCenter.m32;
    const TvgMatrix rotation = vgCreateRotationMatrix(vgDegToRad(rotateAngle_));
    local = vgMatrixMultiply(vgMatrixMultiply(vgMatrixMultiply(toCenter, rotation), fromCenter), local);
  }
  localMatrix_ = local;
  RecalcAbsolute();
}

TvgMatrix TvgVisualObject::GetAbsoluteMatrix() {
  if (!matrixStale_) return absoluteMatrix_;
  if (TvgVisualObject* parent = VisualParent())
    absoluteMatrix_ =
        vgMatrixMultiply(vgMatrixMultiply(localMatrix_, parent->GetChildrenMatrix()), parent->GetAbsoluteMatrix());
  else
    absoluteMatrix_ = localMatrix_;
  matrixStale_ = false;
  if (ScenePaints() && !paintingToCanvas_ && updateCount_ == 0) Repaint();
  return absoluteMatrix_;
}

TvgMatrix TvgVisualObject::GetChildrenMatrix() { return vgIdentityMatrix; }

TvgPoint TvgVisualObject::GetAbsoluteScale() {
  TvgPoint scale = scale_->GetPoint();
  for (TvgVisualObject* o = VisualParent(); o; o = o->VisualParent()) {
    scale.X *= o->scale_->X();
    scale.Y *= o->scale_->Y();
  }
  return scale;
}

TvgRect TvgVisualObject::GetLocalRect() { return {0, 0, width_, height_}; }
TvgRect TvgVisualObject::GetSelectionRect() { return GetLocalRect(); }
TvgRect TvgVisualObject::GetClipRect() { return GetLocalRect(); }

TvgRect TvgVisualObject::GetEffectsRect() {
  const TvgRect local = GetLocalRect();
  TvgRect area = local;
  for (TvgEffect* effect : EnabledEffects()) area = vgUnionRect(area, effect->GetRect(local));
  return area;
}

TvgRect TvgVisualObject::GetParentedRect() {
  TvgRect rect = GetLocalRect();
  return vgOffsetRect(rect, position_->X(), position_->Y());
}

TvgRect TvgVisualObject::GetAbsoluteRect() {
  return BoundsOfCorners(GetLocalRect(), [this](const TvgPoint& p) { return LocalToAbsolute(p); });
}

TvgRect TvgVisualObject::GetUpdateRect() {
  if (!updateRectStale_) return updateRect_;
  TUpdateCountScope quiet(updateCount_);
  TvgRect rect = GetAbsoluteRect();
  if (ScenePaints() && !Loading()) {
    for (TvgVisualObject* o = VisualParent(); o; o = o->VisualParent())
      if (o->clipChildren_) vgIntersectRect(rect, rect, o->GetUpdateRect());
    if (canFocused_ && isFocused_) vgInflateRect(rect, 5, 5);
    if (Scene()->GetSelected() == this) {
      vgInflateRect(rect, 4, 4);
      rect.Top -= 13;
    }
    // Room for the drop hint's label above the object the designer would drop into.
    if (Scene()->GetDesignPlaceObject() == this) {
      vgInflateRect(rect, 1, 1);
      rect.Top -= 20;
      rect.Right = std::max(rect.Right, rect.Left + 160);
    }
    if (!clipChildren_) {
      if (hasEffects_) {
        const auto toScene = [this](const TvgPoint& p) { return LocalToAbsolute(p); };
        rect = vgUnionRect(rect, BoundsOfCorners(GetEffectsRect(), toScene));
      }
      for (int i = 0; i < ChildrenCount(); ++i) {
        TvgVisualObject* child = Children(i)->Visual();
        if (!child || !child->visible_) continue;
        const TvgRect childRect = child->GetUpdateRect();
        if (!IsEmptyArea(childRect)) rect = vgUnionRect(rect, childRect);
      }
    }
  }
  updateRect_ = rect;
  updateRectStale_ = false;
  return rect;
}

TvgPoint TvgVisualObject::LocalToAbsolute(const TvgPoint& point) {
  return vgPointFromVector(vgVectorTransform(vgVectorFromPoint(point, 1), GetAbsoluteMatrix()));
}

TvgPoint TvgVisualObject::AbsoluteToLocal(const TvgPoint& point) {
  TvgMatrix inverse = GetAbsoluteMatrix();
  vgInvertMatrix(inverse);
  return vgPointFromVector(vgVectorTransform(vgVectorFromPoint(point, 1), inverse));
}

TvgVector TvgVisualObject::LocalToAbsoluteVector(const TvgVector& vector) {
  return vgVectorTransform({vector.X, vector.Y, 0}, GetAbsoluteMatrix());
}

TvgVector TvgVisualObject::AbsoluteToLocalVector(const TvgVector& vector) {
  TvgMatrix inverse = GetAbsoluteMatrix();
  vgInvertMatrix(inverse);
  return vgVectorTransform({vector.X, vector.Y, 0}, inverse);
}

bool TvgVisualObject::GetAbsoluteEnabled() {
  if (enabledStale_) {
    TvgVisualObject* parent = VisualParent();
    absoluteEnabled_ = enabled_ && (!parent || parent->GetAbsoluteEnabled());
    enabledStale_ = false;
    if (!absoluteEnabled_ && isFocused_ && Scene()) Scene()->SetFocused(nullptr);
  }
  return absoluteEnabled_;
}

// A disabled object is drawn fainter, except the scene's root and its direct children.
float TvgVisualObject::GetAbsoluteOpacity() {
  if (!opacityStale_) return absoluteOpacity_;
  TvgVisualObject* parent = VisualParent();
  absoluteOpacity_ = parent ? opacity_ * parent->GetAbsoluteOpacity() : opacity_;
  TvgObject* root = Scene() ? Scene()->GetRoot() : nullptr;
  const bool rootOrItsChild = root && (this == root || Parent() == root);
  if (!GetAbsoluteEnabled() && !rootOrItsChild) absoluteOpacity_ *= 0.8f;
  opacityStale_ = false;
  return absoluteOpacity_;
}

void TvgVisualObject::RecalcOpacity() {
  opacityStale_ = true;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->RecalcOpacity();
}

void TvgVisualObject::RecalcAbsolute() {
  matrixStale_ = true;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->RecalcAbsolute();
}

void TvgVisualObject::RecalcEnabled() {
  enabledStale_ = true;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->RecalcEnabled();
}

void TvgVisualObject::RecalcUpdateRectDown() {
  updateRectStale_ = true;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->RecalcUpdateRectDown();
}

// An object that sticks out of a parent that does not clip widens the parent's update rect, and
// with it those of the ancestors above up to the first one that clips.
void TvgVisualObject::RecalcUpdateRect() {
  RecalcUpdateRectDown();
  TvgVisualObject* parent = VisualParent();
  if (!parent || parent->clipChildren_) return;
  const TvgRect placed =
      BoundsOfCorners(GetLocalRect(), [this](const TvgPoint& p) {
        return vgPointFromVector(vgVectorTransform(vgVectorFromPoint(p, 1), localMatrix_));
      });
  const bool sticksOut =
      placed.Left < 0 || placed.Top < 0 || placed.Right > parent->width_ || placed.Bottom > parent->height_;
  if (!sticksOut) return;
  for (TvgVisualObject* o = parent; o && !o->clipChildren_; o = o->VisualParent()) o->updateRectStale_ = true;
}

bool TvgVisualObject::CheckParentVisible() {
  for (TvgVisualObject* o = VisualParent(); o; o = o->VisualParent())
    if (!o->visible_) return false;
  return true;
}

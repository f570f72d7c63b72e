// TvgVisualObject's setters: size, place, turn, opacity, visibility and the quiet moves.
#include "engine/tree/VisualObject.h"

#include <algorithm>
#include <utility>

#include "engine/scene/SceneInterface.h"

bool TvgVisualObject::Designing() const { return Scene() && Scene()->GetDesignTime(); }
bool TvgVisualObject::ScenePaints() const { return Scene() && !Scene()->GetDisableUpdate(); }

void TvgVisualObject::SetRotateAngle(float angle) {
  if (angle == rotateAngle_) return;
  rotateAngle_ = vgNormalizeAngle(angle);
  MatrixChanged(this);
}

void TvgVisualObject::SetOpacity(float opacity) {
  if (opacity == opacity_) return;
  opacity_ = std::clamp(opacity, 0.0f, 1.0f);
  RecalcOpacity();
  Repaint();
}

void TvgVisualObject::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  RecalcEnabled();
  RecalcOpacity();
  Repaint();
}

// A clip that comes or goes changes which children the update rect covers: the old area and
// the new one are painted.
void TvgVisualObject::SetClipChildren(bool clip) {
  if (clip == clipChildren_) return;
  Repaint();
  clipChildren_ = clip;
  RecalcUpdateRect();
  Repaint();
}

void TvgVisualObject::SetDesignHide(bool hide) {
  designHide_ = hide;
  if (!Designing()) return;
  if (hide && Scene()->GetSelected() == this) Scene()->DesignSelect(nullptr);
  if (TvgVisualObject* parent = VisualParent()) parent->Repaint();
}

void TvgVisualObject::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible_ && Scene()) Scene()->AddUpdateRect(GetUpdateRect());
  visible_ = visible;
  TvgVisualObject* parent = VisualParent();
  if (!Loading() && align_ != vaNone && parent) parent->Realign();
  RecalcUpdateRect();
  if (visible_) {
    Repaint();
    StartTriggerAnimation(this, "IsVisible");
  } else if (isFocused_ && Scene()) {
    Scene()->SetFocused(nullptr);
  }
}

// A negative size drawn in the designer turns the object over on that axis instead.
void TvgVisualObject::StoreSize(float& field, float value, TvgPosition& scale, bool horizontal) {
  if (value < 0 && Designing()) {
    value = -value;
    if (horizontal) scale.SetX(-scale.X());
    else scale.SetY(-scale.Y());
  }
  field = value;
}

void TvgVisualObject::SetHeight(float height) {
  if (height == height_) return;
  Repaint();
  StoreSize(height_, height, *scale_, false);
  SizeChanged();
}

void TvgVisualObject::SetWidth(float width) {
  if (width == width_) return;
  Repaint();
  StoreSize(width_, width, *scale_, true);
  SizeChanged();
}

// After Width or Height changed. The rotation centre is a fraction of the size, so a turned
// object rebuilds its matrix; the new area is painted.
void TvgVisualObject::SizeChanged() {
  if (Loading() || !Scene()) return;
  UpdateEffects();
  RecalcUpdateRect();
  if (TvgVisualObject* parent = VisualParent(); parent && align_ != vaNone) parent->Realign();
  if (ChildrenCount() > 0) Realign();
  if (rotateAngle_ != 0) MatrixChanged(this);
  Repaint();
}

void TvgVisualObject::SetSizeDirect(float width, float height) {
  width_ = lastWidth_ = width;
  height_ = lastHeight_ = height;
}

void TvgVisualObject::SetAlign(TvgAlign align) {
  if (align == align_) return;
  align_ = align;
  if (TvgVisualObject* parent = VisualParent()) {
    parent->hasAlignedChildren_ = true;
    if (!Loading()) parent->Realign();
  }
}

void TvgVisualObject::SetBounds(float x, float y, float width, float height) {
  Repaint();
  const bool sizeChanged = width != width_ || height != height_;
  StoreSize(height_, height, *scale_, false);
  StoreSize(width_, width, *scale_, true);
  if (x != position_->X() || y != position_->Y()) {
    MoveQuietly({x, y});
    MatrixChanged(this);
  } else if (sizeChanged && rotateAngle_ != 0) {
    MatrixChanged(this);
  }
  if (!Loading() && sizeChanged) {
    if (TvgVisualObject* parent = VisualParent(); parent && align_ != vaNone) parent->Realign();
    if (ChildrenCount() > 0) Realign();
  }
  if (Loading()) return;
  RecalcUpdateRect();
  Repaint();
}

// The rect is in the object's own coordinates: the object is moved and sized so that it covers
// it, turned and scaled as it is.
void TvgVisualObject::SetLocalRect(const TvgRect& rect) {
  Repaint();
  float width = vgRectWidth(rect), height = vgRectHeight(rect);
  TvgPoint center = LocalToAbsolute({rect.Left + rotateCenter_->X() * width, rect.Top + rotateCenter_->Y() * height});
  if (TvgVisualObject* parent = VisualParent()) {
    TvgMatrix toParent = vgMatrixMultiply(parent->GetChildrenMatrix(), parent->GetAbsoluteMatrix());
    vgInvertMatrix(toParent);
    center = vgPointFromVector(vgVectorTransform(vgVectorFromPoint(center, 1), toParent));
  }
  TvgPoint scale = scale_->GetPoint();
  if (width < 0) {
    width = -width;
    scale.X = -scale.X;
  }
  if (height < 0) {
    height = -height;
    scale.Y = -scale.Y;
  }
  width_ = width;
  height_ = height;
  ScaleQuietly(scale);
  MoveQuietly({center.X - scale.X * rotateCenter_->X() * width, center.Y - scale.Y * rotateCenter_->Y() * height});
  MatrixChanged(this);
  Realign();
}

void TvgVisualObject::MoveQuietly(const TvgPoint& point) {
  TNotifyEvent handler = std::exchange(position_->OnChange, TNotifyEvent());
  position_->SetPoint(point);
  position_->OnChange = handler;
}

void TvgVisualObject::ScaleQuietly(const TvgPoint& scale) {
  TNotifyEvent handler = std::exchange(scale_->OnChange, TNotifyEvent());
  scale_->SetPoint(scale);
  scale_->OnChange = handler;
}

void TvgVisualObject::LockWithChildren() {
  locked_ = true;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->LockWithChildren();
}

void TvgVisualObject::AssignCanvas(TvgCanvas* canvas) {
  canvas_ = canvas;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->AssignCanvas(canvas);
}

#include "engine/VisualObject.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Cursors.h"
#include "engine/SceneInterface.h"

CL_PUBLISHED(TvgVisualObject) {
  using V = TvgVisualObject;
  published.Property("Align", &V::Align, &V::SetAlign).Default(vaNone);
  published.Property("Cursor", &V::Cursor, &V::SetCursor).Default(crDefault).Idents(CursorIdents());
  published.Property("DragMode", &V::DragMode, &V::SetDragMode).Default(vgDragManual);
  published.Property("DragDisableHighlight", &V::DragDisableHighlight, &V::SetDragDisableHighlight).Default(false);
  published.Property("Enabled", &V::Enabled, &V::SetEnabled).Default(true);
  published.Property("Position", &V::Position, &V::SetPosition);
  published.Property("RotateAngle", &V::RotateAngle, &V::SetRotateAngle);
  published.Property("RotateCenter", &V::RotateCenter, &V::SetRotateCenter);
  published.Property("Locked", &V::Locked, &V::SetLocked).Default(false);
  published.Property("Width", &V::Width, &V::SetWidth);
  published.Property("Height", &V::Height, &V::SetHeight);
  published.Property("Margins", &V::Margins, &V::SetMargins);
  published.Property("Padding", &V::Padding, &V::SetPadding);
  published.Property("Opacity", &V::Opacity, &V::SetOpacity).Default(1.0f);
  published.Property("ClipChildren", &V::ClipChildren, &V::SetClipChildren).Default(false);
  published.Property("ClipParent", &V::ClipParent, &V::SetClipParent).Default(false);
  published.Property("HitTest", &V::HitTest, &V::SetHitTest).Default(true);
  published.Property("Hint", &V::Hint, &V::SetHint);
  published.Property("ShowHint", &V::ShowHint, &V::SetShowHint).Default(false);
  published.Property("CanClipped", &V::CanClipped, &V::SetCanClipped).Default(true);
  published.Property("Scale", &V::Scale, &V::SetScale);
  published.Property("Visible", &V::Visible, &V::SetVisible).Default(true);
  published.Property("DesignHide", &V::DesignHide, &V::SetDesignHide).Default(false);
  // States for triggers and the inspector; streams never carry them.
  published.Property("IsMouseOver", &V::IsMouseOver).Stored(false);
  published.Property("IsDragOver", &V::IsDragOver).Stored(false);
  published.Property("IsFocused", &V::IsFocused).Stored(false);
  published.Property("IsVisible", &V::IsVisible).Stored(false);
  published.Property("OnMouseUp", &V::OnMouseUp, &V::OnMouseUp);
  published.Property("OnMouseDown", &V::OnMouseDown, &V::OnMouseDown);
  published.Property("OnMouseMove", &V::OnMouseMove, &V::OnMouseMove);
  published.Property("OnMouseWheel", &V::OnMouseWheel, &V::OnMouseWheel);
  published.Property("OnClick", &V::OnClick, &V::OnClick);
  published.Property("OnDblClick", &V::OnDblClick, &V::OnDblClick);
  published.Property("OnCanFocused", &V::OnCanFocused, &V::OnCanFocused);
  published.Property("OnEnterFocus", &V::OnEnterFocus, &V::OnEnterFocus);
  published.Property("OnKillFocus", &V::OnKillFocus, &V::OnKillFocus);
  published.Property("OnMouseEnter", &V::OnMouseEnter, &V::OnMouseEnter);
  published.Property("OnMouseLeave", &V::OnMouseLeave, &V::OnMouseLeave);
  published.Property("OnPaint", &V::OnPaint, &V::OnPaint);
  published.Property("OnBeforePaint", &V::OnBeforePaint, &V::OnBeforePaint);
  published.Property("OnDragEnter", &V::OnDragEnter, &V::OnDragEnter);
  published.Property("OnDragDrop", &V::OnDragDrop, &V::OnDragDrop);
  published.Property("OnDragLeave", &V::OnDragLeave, &V::OnDragLeave);
  published.Property("OnDragOver", &V::OnDragOver, &V::OnDragOver);
  published.Property("OnDragEnd", &V::OnDragEnd, &V::OnDragEnd);
  published.Property("OnKeyDown", &V::OnKeyDown, &V::OnKeyDown);
  published.Property("OnKeyUp", &V::OnKeyUp, &V::OnKeyUp);
}

TvgVisualObject::TvgVisualObject(TComponent* owner)
    : TvgObject(owner),
      margins_(std::make_unique<TvgBounds>()),
      padding_(std::make_unique<TvgBounds>()),
      position_(std::make_unique<TvgPosition>()),
      scale_(std::make_unique<TvgPosition>(TvgPoint{1, 1})),
      rotateCenter_(std::make_unique<TvgPosition>(TvgPoint{0.5f, 0.5f})) {
  SetVisual(this);
  margins_->OnChange = [this](TObject* sender) { MarginsChanged(sender); };
  padding_->OnChange = [this](TObject* sender) { PaddingChanged(sender); };
  for (TvgPosition* p : {position_.get(), scale_.get(), rotateCenter_.get()})
    p->OnChange = [this](TObject* sender) { MatrixChanged(sender); };
}

// The tree is left while margins, positions and the tab list still exist.
TvgVisualObject::~TvgVisualObject() { LeaveTree(); }

// --- Tree bookkeeping ------------------------------------------------------------------------

void TvgVisualObject::ChildAdded(TvgObject* child) {
  TvgVisualObject* visual = child->Visual();
  if (!visual) return;
  if (visual->align_ != vaNone) hasAlignedChildren_ = true;
  if (canvas_) visual->canvas_ = canvas_;
  visual->updateCount_ = updateCount_;
  tabList_.push_back(visual);
  if (visual->align_ != vaNone) Realign();
  else Repaint();
}

void TvgVisualObject::ChildRemoving(TvgObject* child) {
  TvgVisualObject* visual = child->Visual();
  if (!visual) return;
  std::erase(tabList_, visual);
  visual->updateCount_ = 0;
  visual->Repaint();
}

void TvgVisualObject::ChildRemoved(TvgObject* child) {
  hasAlignedChildren_ = false;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (Children(i)->IsVisual() && Children(i)->Visual()->align_ != vaNone) hasAlignedChildren_ = true;
  if (TvgVisualObject* visual = child->Visual()) visual->canvas_ = nullptr;
}

void TvgVisualObject::SetScene(IvgWindowScene* scene) {
  if (!scene && isFocused_) KillFocus();
  TvgObject::SetScene(scene);
}

void TvgVisualObject::DeleteChildren() {
  TvgObject::DeleteChildren();
  tabList_.clear();
}

void TvgVisualObject::Loaded() {
  TvgObject::Loaded();
  lastWidth_ = width_;
  lastHeight_ = height_;
  MatrixChanged(this);
  if (ChildrenCount() > 0) Realign();
}

// --- Properties ------------------------------------------------------------------------------

void TvgVisualObject::SetRotateAngle(float angle) {
  if (angle == rotateAngle_) return;
  rotateAngle_ = vgNormalizeAngle(angle);
  MatrixChanged(this);
}

void TvgVisualObject::SetOpacity(float opacity) {
  if (opacity == opacity_) return;
  opacity_ = std::clamp(opacity, 0.0f, 1.0f);
  Repaint();
}

void TvgVisualObject::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Repaint();
}

void TvgVisualObject::SetClipChildren(bool clip) {
  if (clip == clipChildren_) return;
  clipChildren_ = clip;
  Repaint();
}

void TvgVisualObject::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible_) Repaint();
  visible_ = visible;
  if (visible_) Repaint();
}

void TvgVisualObject::SetHeight(float height) {
  if (height == height_) return;
  Repaint();
  height_ = height;
  Repaint();
}

void TvgVisualObject::SetWidth(float width) {
  if (width == width_) return;
  Repaint();
  width_ = width;
  Repaint();
}

void TvgVisualObject::SetAlign(TvgAlign align) {
  if (align == align_) return;
  align_ = align;
  if (Parent() && Parent()->IsVisual()) {
    Parent()->Visual()->hasAlignedChildren_ = true;
    if (!Loading()) Parent()->Visual()->Realign();
  }
}

void TvgVisualObject::SetBounds(float x, float y, float width, float height) {
  Repaint();
  width_ = width;
  height_ = height;
  if (x != position_->X() || y != position_->Y()) position_->SetPoint({x, y});
  Repaint();
}

void TvgVisualObject::SetLocalRect(const TvgRect& rect) {
  SetBounds(rect.Left, rect.Top, vgRectWidth(rect), vgRectHeight(rect));
}

// --- Geometry --------------------------------------------------------------------------------

TvgCanvas* TvgVisualObject::GetCanvas() const {
  if (canvas_) return canvas_;
  return Scene() ? Scene()->GetCanvas() : nullptr;
}

void TvgVisualObject::MatrixChanged(TObject*) {
  Repaint();
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
    TvgMatrix rotation = vgCreateRotationMatrix(vgDegToRad(rotateAngle_));
    local = vgMatrixMultiply(vgMatrixMultiply(vgMatrixMultiply(toCenter, rotation), fromCenter), local);
  }
  localMatrix_ = local;
  Repaint();
}

TvgMatrix TvgVisualObject::GetAbsoluteMatrix() {
  if (!Parent() || !Parent()->IsVisual()) return localMatrix_;
  TvgVisualObject* parent = Parent()->Visual();
  return vgMatrixMultiply(vgMatrixMultiply(localMatrix_, parent->GetChildrenMatrix()), parent->GetAbsoluteMatrix());
}

TvgMatrix TvgVisualObject::GetChildrenMatrix() { return vgIdentityMatrix; }

TvgPoint TvgVisualObject::GetAbsoluteScale() {
  TvgPoint scale{scale_->X(), scale_->Y()};
  for (TvgObject* o = Parent(); o && o->IsVisual(); o = o->Parent()) {
    scale.X *= o->Visual()->scale_->X();
    scale.Y *= o->Visual()->scale_->Y();
  }
  return scale;
}

TvgRect TvgVisualObject::GetLocalRect() { return {0, 0, width_, height_}; }
TvgRect TvgVisualObject::GetSelectionRect() { return GetLocalRect(); }
TvgRect TvgVisualObject::GetClipRect() { return GetLocalRect(); }
TvgRect TvgVisualObject::GetEffectsRect() { return GetLocalRect(); }

TvgRect TvgVisualObject::GetParentedRect() {
  TvgRect rect = GetLocalRect();
  return vgOffsetRect(rect, position_->X(), position_->Y());
}

TvgRect TvgVisualObject::GetAbsoluteRect() {
  TvgRect local = GetLocalRect();
  TvgPoint corners[4] = {LocalToAbsolute({local.Left, local.Top}), LocalToAbsolute({local.Right, local.Top}),
                         LocalToAbsolute({local.Right, local.Bottom}), LocalToAbsolute({local.Left, local.Bottom})};
  TvgRect bounds;
  vgPointsBounds(corners, 3, bounds);
  return bounds;
}

TvgRect TvgVisualObject::GetUpdateRect() { return GetAbsoluteRect(); }

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
  if (!enabled_) return false;
  return !Parent() || !Parent()->IsVisual() || Parent()->Visual()->GetAbsoluteEnabled();
}

float TvgVisualObject::GetAbsoluteOpacity() {
  if (Parent() && Parent()->IsVisual()) return opacity_ * Parent()->Visual()->GetAbsoluteOpacity();
  return opacity_;
}

void TvgVisualObject::RecalcOpacity() {}
void TvgVisualObject::RecalcAbsolute() {}

bool TvgVisualObject::CheckParentVisible() {
  for (TvgObject* o = Parent(); o && o->IsVisual(); o = o->Parent())
    if (!o->Visual()->visible_) return false;
  return true;
}

bool TvgVisualObject::PointInObject(float x, float y) {
  TvgPoint local = AbsoluteToLocal({x, y});
  return local.X > 0 && local.X < width_ && local.Y > 0 && local.Y < height_;
}

TvgVisualObject* TvgVisualObject::ObjectAtPoint(const TvgPoint& point) {
  if (!visible_) return nullptr;
  for (int i = ChildrenCount() - 1; i >= 0; --i)
    if (TvgVisualObject* child = Children(i)->Visual())
      if (TvgVisualObject* hit = child->ObjectAtPoint(point)) return hit;
  return PointInObject(point.X, point.Y) && hitTest_ ? this : nullptr;
}

// --- Painting and layout ---------------------------------------------------------------------

void TvgVisualObject::Repaint() {
  if (!Scene() || !visible_ || updateCount_ > 0) return;
  Scene()->AddUpdateRect(GetUpdateRect());
}

void TvgVisualObject::PaintChildren() {}
void TvgVisualObject::MarginsChanged(TObject*) { Realign(); }

void TvgVisualObject::PaddingChanged(TObject*) {
  if (Parent() && Parent()->IsVisual()) Parent()->Visual()->Realign();
}

void TvgVisualObject::BeginUpdate() {
  ++updateCount_;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->BeginUpdate();
}

void TvgVisualObject::EndUpdate() {
  --updateCount_;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->EndUpdate();
  if (updateCount_ == 0) Realign();
}

void TvgVisualObject::Realign() {}

// --- Input -----------------------------------------------------------------------------------

void TvgVisualObject::Click() { OnClick(this); }
void TvgVisualObject::DblClick() { OnDblClick(this); }
void TvgVisualObject::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  OnMouseDown(this, button, shift, x, y);
}
void TvgVisualObject::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  OnMouseMove(this, shift, x, y, dx, dy);
}
void TvgVisualObject::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  OnMouseUp(this, button, shift, x, y);
}
void TvgVisualObject::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, Scene() ? Scene()->GetMousePos() : TvgPoint{}, handled);
}
void TvgVisualObject::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  OnKeyDown(this, key, keyChar, shift);
}
void TvgVisualObject::KeyUp(uint16_t& key, wchar_t& keyChar, TShiftState shift) { OnKeyUp(this, key, keyChar, shift); }
void TvgVisualObject::DialogKey(uint16_t& key, TShiftState shift) {
  for (int i = 0; i < ChildrenCount() && key != 0; ++i)
    if (TvgVisualObject* child = Children(i)->Visual())
      if (child->visible_ && child->enabled_) child->DialogKey(key, shift);
}
void TvgVisualObject::MouseEnter() {
  isMouseOver_ = true;
  OnMouseEnter(this);
}
void TvgVisualObject::MouseLeave() {
  isMouseOver_ = false;
  OnMouseLeave(this);
}
void TvgVisualObject::ContextMenu(const TvgPoint&) {}
void TvgVisualObject::BeginAutoDrag() {}
void TvgVisualObject::DragEnter(TvgDragObject* data, const TvgPoint& point) {
  isDragOver_ = true;
  OnDragEnter(this, data, point);
}
void TvgVisualObject::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  OnDragOver(this, data, point, accept);
}
void TvgVisualObject::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  isDragOver_ = false;
  OnDragDrop(this, data, point);
}
void TvgVisualObject::DragLeave() {
  isDragOver_ = false;
  OnDragLeave(this);
}
void TvgVisualObject::DragEnd() { OnDragEnd(this); }
void TvgVisualObject::EnterFocus() {
  if (!canFocused_) return;
  isFocused_ = true;
  OnEnterFocus(this);
}
void TvgVisualObject::KillFocus() {
  if (!canFocused_) return;
  isFocused_ = false;
  OnKillFocus(this);
}

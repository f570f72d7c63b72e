#include "engine/tree/VisualObject.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Cursors.h"
#include "classlib/desktop/Menus.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/effects/Effect.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/shapes/Shapes.h"
#include "engine/scene/SceneInterface.h"

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
  published.Property("PopupMenu", &V::PopupMenu, &V::SetPopupMenu);
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

namespace {

constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
constexpr TvgColor kDragOverColor = 0xB2005ACC;

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

bool IsEmptyArea(const TvgRect& r) { return vgRectWidth(r) == 0 || vgRectHeight(r) == 0; }

}  // namespace

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
TvgVisualObject::~TvgVisualObject() {
  LeaveTree();
  SetPopupMenu(nullptr);
}

// --- Tree bookkeeping ------------------------------------------------------------------------

void TvgVisualObject::ChildAdded(TvgObject* child) {
  if (auto* effect = dynamic_cast<TvgEffect*>(child)) {
    if (effect->Enabled()) EffectsChanged();
    return;
  }
  TvgVisualObject* visual = child->Visual();
  if (!visual) return;
  if (visual->align_ != vaNone) hasAlignedChildren_ = true;
  if (canvas_) visual->AssignCanvas(canvas_);
  visual->updateCount_ = updateCount_;
  visual->RecalcOpacity();
  visual->RecalcEnabled();
  visual->RecalcAbsolute();
  visual->RecalcUpdateRect();
  if (hasEffects_) {
    effectBitmapStale_ = true;
    Repaint();
  }
  if (visual->align_ != vaNone) Realign();
  else Repaint();
  tabList_.push_back(visual);
}

void TvgVisualObject::ChildRemoving(TvgObject* child) {
  TvgVisualObject* visual = child->Visual();
  if (!visual) return;
  std::erase(tabList_, visual);
  visual->updateCount_ = 0;
  visual->Repaint();
}

void TvgVisualObject::ChildRemoved(TvgObject* child) {
  if (dynamic_cast<TvgEffect*>(child)) EffectsChanged();
  TvgVisualObject* visual = child->Visual();
  if (!visual) return;
  hasAlignedChildren_ = false;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* other = Children(i)->Visual(); other && other->align_ != vaNone) hasAlignedChildren_ = true;
  visual->AssignCanvas(nullptr);
  visual->RecalcOpacity();
  visual->RecalcEnabled();
  visual->RecalcAbsolute();
  visual->RecalcUpdateRectDown();
}

// Root-ness (opacity of disabled objects) and the update rect's extras depend on the scene.
void TvgVisualObject::SetScene(IvgWindowScene* scene) {
  if (!scene && isFocused_) KillFocus();
  opacityStale_ = true;
  updateRectStale_ = true;
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
  OrderTabListByStoredOrders();
}

// Children that carried a tab order in the stream move to it, lowest order first; orders
// outside the list are ignored.
void TvgVisualObject::OrderTabListByStoredOrders() {
  std::vector<TvgVisualObject*> ordered;
  for (TvgVisualObject* child : tabList_)
    if (child->storedTabOrder_ >= 0 && child->storedTabOrder_ < int(tabList_.size())) ordered.push_back(child);
  std::stable_sort(ordered.begin(), ordered.end(), [](TvgVisualObject* a, TvgVisualObject* b) {
    return a->storedTabOrder_ < b->storedTabOrder_;
  });
  for (TvgVisualObject* child : ordered) {
    std::erase(tabList_, child);
    tabList_.insert(tabList_.begin() + std::min<size_t>(size_t(child->storedTabOrder_), tabList_.size()), child);
  }
}

void TvgVisualObject::Notification(TComponent* component, TOperation operation) {
  TvgObject::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == caret_) caret_ = nullptr;
}

void TvgVisualObject::SetPopupMenu(TPopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

// --- Properties ------------------------------------------------------------------------------

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

// --- Geometry --------------------------------------------------------------------------------

TvgCanvas* TvgVisualObject::GetCanvas() const {
  if (canvas_) return canvas_;
  return Scene() ? Scene()->GetCanvas() : nullptr;
}

// Rotation about the rotation centre in unscaled local units, then the scale, then the move.
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
    const TvgMatrix rotation = vgCreateRotationMatrix(vgDegToRad(rotateAngle_));
    local = vgMatrixMultiply(vgMatrixMultiply(vgMatrixMultiply(toCenter, rotation), fromCenter), local);
  }
  localMatrix_ = local;
  RecalcAbsolute();
  RecalcUpdateRect();
  UpdateEffects();
  Repaint();
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

// --- Effects ---------------------------------------------------------------------------------

std::vector<TvgEffect*> TvgVisualObject::EnabledEffects() const {
  std::vector<TvgEffect*> effects;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (auto* effect = dynamic_cast<TvgEffect*>(Children(i)); effect && effect->Enabled()) effects.push_back(effect);
  return effects;
}

bool TvgVisualObject::HasEffectReplacingPainting() const {
  if (!hasEffects_ || effectsDisabled_) return false;
  for (TvgEffect* effect : EnabledEffects())
    if (effect->ReplacesPainting()) return true;
  return false;
}

bool TvgVisualObject::HasEffectPaintingAfter() const {
  if (!hasEffects_) return false;
  for (TvgEffect* effect : EnabledEffects())
    if (effect->PaintsAfter()) return true;
  return false;
}

void TvgVisualObject::EffectsChanged() {
  hasEffects_ = !EnabledEffects().empty();
  effectBitmapStale_ = true;
  RecalcUpdateRect();
}

void TvgVisualObject::RepaintEffects() {
  effectBitmapStale_ = true;
  RecalcUpdateRect();
  Repaint();
}

void TvgVisualObject::UpdateEffects() {
  if (hasEffects_) effectBitmapStale_ = true;
  for (TvgVisualObject* o = VisualParent(); o; o = o->VisualParent()) o->effectBitmapStale_ = true;
}

// --- Painting --------------------------------------------------------------------------------

void TvgVisualObject::Repaint() {
  IvgWindowScene* scene = Scene();
  if (!scene) return;
  const bool design = scene->GetDesignTime();
  if (!visible_ && !design) return;
  if (design && designHide_) return;
  if (scene->GetDisableUpdate() || (!design && !CheckParentVisible()) || updateCount_ > 0) return;
  if (HasEffectReplacingPainting()) effectBitmapStale_ = true;
  scene->AddUpdateRect(GetUpdateRect());
}

void TvgVisualObject::PaintChildren() {
  for (int i = 0; i < ChildrenCount(); ++i) {
    TvgVisualObject* child = Children(i)->Visual();
    if (!child) continue;
    if (TvgCanvas* canvas = child->GetCanvas()) PaintChild(*canvas, *child);
  }
}

bool TvgVisualObject::MeetsDirtyRects(TvgVisualObject& child) {
  const TvgRect area = child.GetUpdateRect();
  IvgWindowScene* scene = Scene();
  if (!scene) return false;
  for (int i = 0; i < scene->GetUpdateRectsCount(); ++i)
    if (vgRectsIntersect(area, scene->GetUpdateRect(i))) return true;
  return false;
}

void TvgVisualObject::PaintChild(TvgCanvas& canvas, TvgVisualObject& child) {
  const bool design = Designing();
  if (!child.visible_ && (!design || child.locked_)) return;
  if (design && child.designHide_) return;
  const TvgRect childArea = child.GetUpdateRect();
  if (IsEmptyArea(childArea)) return;
  if (clipChildren_ && !vgRectsIntersect(childArea, GetUpdateRect())) return;
  if (!design && !paintingToCanvas_ && !MeetsDirtyRects(child)) return;

  int clipState = -1;
  if (clipChildren_ && child.canClipped_) {
    clipState = canvas.SaveState();
    canvas.SetMatrix(GetAbsoluteMatrix());
    canvas.IntersectClipRect(GetClipRect());
  }
  canvas.SetMatrix(child.GetAbsoluteMatrix());
  child.BeforePaint();
  const bool effectsAfter = child.HasEffectPaintingAfter();
  if (child.hasEffects_ && !effectsAfter) {
    child.ApplyEffects(canvas);
    canvas.SetMatrix(child.GetAbsoluteMatrix());
  }
  if (!child.HasEffectReplacingPainting()) child.PaintOwnLook(canvas);
  child.AfterPaint();
  if (child.isDragOver_ && !child.dragDisableHighlight_) child.PaintDragHighlight(canvas);
  if (clipState >= 0) canvas.RestoreState(clipState);
  if (effectsAfter) {
    canvas.SetMatrix(child.GetAbsoluteMatrix());
    child.ApplyEffects(canvas);
  }
}

// The object's own drawing, its children and its paint events. Children marked ClipParent cut
// their area out of the object's drawing.
void TvgVisualObject::PaintOwnLook(TvgCanvas& canvas) {
  int excludeState = -1;
  for (int i = 0; i < ChildrenCount(); ++i) {
    TvgVisualObject* child = Children(i)->Visual();
    if (!child || !child->clipParent_) continue;
    if (excludeState < 0) excludeState = canvas.SaveState();
    canvas.SetMatrix(child->GetAbsoluteMatrix());
    canvas.ExcludeClipRect(child->GetLocalRect());
  }
  if (excludeState >= 0) canvas.SetMatrix(GetAbsoluteMatrix());
  const TvgRect local = GetLocalRect();
  int clipState = -1;
  if (clipChildren_) {
    clipState = canvas.SaveState();
    canvas.IntersectClipRect(local);
  }
  if (OnBeforePaint) OnBeforePaint(this, &canvas, local);
  Paint();
  if (clipState >= 0) canvas.RestoreState(clipState);
  if (excludeState >= 0) canvas.RestoreState(excludeState);
  PaintChildren();
  if (OnPaint) {
    canvas.SetMatrix(GetAbsoluteMatrix());
    OnPaint(this, &canvas, local);
  }
}

void TvgVisualObject::PaintDragHighlight(TvgCanvas& canvas) {
  const int state = canvas.SaveState();
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(kDragOverColor);
  canvas.StrokeThickness = 3;
  canvas.SetStrokeDash(vgDashSolid);
  TvgRect outline = GetLocalRect();
  vgInflateRect(outline, -1, -1);
  canvas.DrawRect(outline, 0, 0, kAllCorners, 1, vgCornerRound);
  if (state >= 0) canvas.RestoreState(state);
}

// The effect output is cached in one bitmap, rendered again only when it was marked stale.
void TvgVisualObject::ApplyEffects(TvgCanvas& canvas) {
  if (ChildrenCount() == 0 || !Scene() || effectsDisabled_ || !hasEffects_) return;
  const int state = canvas.SaveState();
  const TvgPoint scale = GetAbsoluteScale();
  for (TvgEffect* effect : EnabledEffects()) {
    if (effectBitmapStale_) RenderEffect(*effect, scale);
    if (!effectBitmap_ || effectBitmap_->IsEmpty()) continue;
    canvas.SetMatrix(GetAbsoluteMatrix());
    const TvgRect source{0, 0, float(effectBitmap_->Width()), float(effectBitmap_->Height())};
    canvas.DrawBitmap(effectBitmap_.get(), source, effect->GetRect(GetLocalRect()), GetAbsoluteOpacity(),
                      rotateAngle_ == 0);
  }
  effectBitmapStale_ = false;
  if (state >= 0) canvas.RestoreState(state);
}

// The object is painted at its absolute scale into the area the effect asks for, and the effect
// processes the result.
void TvgVisualObject::RenderEffect(TvgEffect& effect, const TvgPoint& scale) {
  TvgRect area = effect.GetRect(GetLocalRect());
  vgMultiplyRect(area, scale.X, scale.Y);
  const int width = int(Trunc(vgRectWidth(area))), height = int(Trunc(vgRectHeight(area)));
  if (width <= 0 || height <= 0) {
    effectBitmap_.reset();
    return;
  }
  if (!effectBitmap_) effectBitmap_ = std::make_unique<TvgBitmap>(width, height);
  else effectBitmap_->SetSize(width, height);
  TvgCanvas* target = effectBitmap_->GetCanvas();
  if (!target) return;
  target->SetMatrix(vgIdentityMatrix);
  target->Clear(0);
  const TvgPoint offset = effect.GetOffset();
  PaintTo(target, {offset.X * scale.X, offset.Y * scale.Y, (offset.X + width_) * scale.X,
                   (offset.Y + height_) * scale.Y});
  effect.ProcessEffect(target, effectBitmap_.get(), scale.X);
}

void TvgVisualObject::SetPaintingToCanvas(bool painting) {
  paintingToCanvas_ = painting;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual()) child->SetPaintingToCanvas(painting);
}

// Everything changed for the painting is put back, also when painting fails.
void TvgVisualObject::PaintTo(TvgCanvas* canvas, const TvgRect& rect, TvgVisualObject* temporaryParent) {
  IvgWindowScene* scene = Scene();
  if (!scene || !canvas || width_ * height_ == 0) return;
  struct TRestore {
    TvgVisualObject& self;
    IvgWindowScene* scene;
    TvgCanvas* canvas;
    bool updatesWereDisabled = scene->GetDisableUpdate();
    bool wasRealigning = self.realigning_;
    TvgCanvas* ownCanvas = self.canvas_;
    TvgPoint position = self.position_->GetPoint();
    TvgPoint scale = self.scale_->GetPoint();
    float angle = self.rotateAngle_;
    TvgObject* parent = self.Parent();
    int state = -1;
    ~TRestore() {
      self.MoveQuietly(position);
      self.ScaleQuietly(scale);
      self.rotateAngle_ = angle;
      self.SetParentLink(parent);
      self.MatrixChanged(&self);
      self.RecalcOpacity();
      self.RecalcEnabled();
      if (state >= 0) canvas->RestoreState(state);
      self.AssignCanvas(ownCanvas);
      self.SetPaintingToCanvas(false);
      self.realigning_ = wasRealigning;
      scene->SetDisableUpdate(updatesWereDisabled);
    }
  } restore{*this, scene, canvas};

  scene->SetDisableUpdate(true);
  realigning_ = true;
  SetPaintingToCanvas(true);
  AssignCanvas(canvas);
  restore.state = canvas->SaveState();
  SetParentLink(temporaryParent);
  MoveQuietly({rect.Left, rect.Top});
  ScaleQuietly({vgRectWidth(rect) / width_, vgRectHeight(rect) / height_});
  rotateAngle_ = 0;
  MatrixChanged(this);
  RecalcOpacity();
  RecalcEnabled();
  canvas->SetMatrix(GetAbsoluteMatrix());
  BeforePaint();
  Paint();
  AfterPaint();
  PaintChildren();
}

std::unique_ptr<TvgBitmap> TvgVisualObject::MakeScreenshot() {
  auto bitmap = std::make_unique<TvgBitmap>(int(std::max<int64_t>(0, Trunc(width_))),
                                            int(std::max<int64_t>(0, Trunc(height_))));
  TvgCanvas* canvas = bitmap->GetCanvas();
  if (canvas && canvas->BeginScene()) {
    PaintTo(canvas, {0, 0, float(bitmap->Width()), float(bitmap->Height())});
    canvas->EndScene();
  }
  return bitmap;
}

// --- Caret -----------------------------------------------------------------------------------

void TvgVisualObject::CreateCaret() {
  if (caret_) return;
  caret_ = new TvgRectangle(this);
  caret_->FreeNotification(this);
  caret_->SetBounds(0, 0, 3, 20);
  caret_->Fill()->SetColor("#FF0000FF");
  caret_->Stroke()->SetStyle(vgBrushNone);
  caret_->SetStored(false);
  caret_->SetHitTest(false);
  caret_->SetLocked(true);
  caret_->SetVisible(false);
  if (Scene() && Scene()->GetAnimatedCaret()) {
    auto* blink = new TvgFloatAnimation(caret_);
    blink->SetBindingName("caret");
    blink->SetPropertyName("Opacity");
    blink->SetStartValue(1);
    blink->SetStopValue(0);
    blink->SetDuration(0.1f);
    blink->SetAutoReverse(true);
    blink->SetLoop(true);
    blink->SetEnabled(false);
    caret_->AddObject(blink);
  }
  AddObject(caret_);
}

void TvgVisualObject::ShowCaret() {
  CreateCaret();
  caret_->SetVisible(true);
  for (int i = 0; i < caret_->ChildrenCount(); ++i) {
    auto* blink = dynamic_cast<TvgAnimation*>(caret_->Children(i));
    if (blink && SameText(blink->BindingName(), "caret") && !blink->Running()) blink->Start();
  }
}

void TvgVisualObject::HideCaret() {
  if (caret_) caret_->SetVisible(false);
}

void TvgVisualObject::SetCaretPos(const TvgPoint& point) {
  CreateCaret();
  caret_->Position()->SetPoint({float(Round(point.X)), float(Round(point.Y))});
}

void TvgVisualObject::SetCaretSize(const TvgPoint& size) {
  CreateCaret();
  caret_->SetWidth(size.X);
  caret_->SetHeight(size.Y);
}

void TvgVisualObject::SetCaretColor(TvgColor color) {
  CreateCaret();
  caret_->Fill()->SetSolidColor(color);
}

// --- Layout ----------------------------------------------------------------------------------

void TvgVisualObject::MarginsChanged(TObject*) { Realign(); }

void TvgVisualObject::PaddingChanged(TObject*) {
  if (TvgVisualObject* parent = VisualParent()) parent->Realign();
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

void TvgVisualObject::Realign() {
  if (HasState(csDestroying)) return;
  if ((width_ > -2 && width_ < 2) || (height_ > -2 && height_ < 2)) return;
  if (layoutDisabled_ || realigning_ || updateCount_ > 0) return;
  if (Loading()) {
    lastWidth_ = width_;
    lastHeight_ = height_;
    return;
  }
  if ((width_ != lastWidth_ || height_ != lastHeight_) && hasEffects_) UpdateEffects();
  // Without aligned children the size counts as laid out too, so that corner and scale kinds
  // aligned later move only by what changes after.
  if (!hasAlignedChildren_ || ChildrenCount() == 0) {
    lastWidth_ = width_;
    lastHeight_ = height_;
    return;
  }
  struct TRealigning {
    bool& flag;
    explicit TRealigning(bool& f) : flag(f) { flag = true; }
    ~TRealigning() { flag = false; }
  } realigning{realigning_};
  TvgRect free{margins_->Left(), margins_->Top(), width_ - margins_->Right(), height_ - margins_->Bottom()};
  for (TvgAlign align : {vaMostTop, vaMostBottom, vaMostLeft, vaMostRight, vaTop, vaBottom, vaLeft, vaRight, vaClient,
                         vaHorizontal, vaVertical, vaContents, vaCenter, vaHorzCenter, vaVertCenter, vaScale, vaFit,
                         vaFitLeft, vaFitRight, vaTopRight, vaBottomLeft, vaBottomRight})
    for (TvgVisualObject* child : ChildrenToAlign(align)) PlaceChild(*child, align, free);
  lastWidth_ = width_;
  lastHeight_ = height_;
  Repaint();
}

// Edge kinds stack from the edge inwards: top and left by position, right and bottom by their far
// edge, the later of two equal children outermost there.
std::vector<TvgVisualObject*> TvgVisualObject::ChildrenToAlign(TvgAlign align) {
  std::vector<TvgVisualObject*> children;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (TvgVisualObject* child = Children(i)->Visual(); child && child->visible_ && child->align_ == align)
      children.push_back(child);
  auto byKey = [&children](auto key, bool descending) {
    if (descending) std::reverse(children.begin(), children.end());
    std::stable_sort(children.begin(), children.end(), [&](TvgVisualObject* a, TvgVisualObject* b) {
      return descending ? key(a) > key(b) : key(a) < key(b);
    });
  };
  switch (align) {
    case vaTop: case vaMostTop:
      byKey([](TvgVisualObject* o) { return o->position_->Y(); }, false);
      break;
    case vaLeft: case vaMostLeft:
      byKey([](TvgVisualObject* o) { return o->position_->X(); }, false);
      break;
    case vaRight: case vaMostRight:
      byKey([](TvgVisualObject* o) { return o->position_->X() + o->width_; }, true);
      break;
    case vaBottom: case vaMostBottom:
      byKey([](TvgVisualObject* o) { return o->position_->Y() + o->height_; }, true);
      break;
    default:
      break;
  }
  return children;
}

// Position and size are stored without their setters' side effects; the matrix follows.
void TvgVisualObject::SetChildGeometry(TvgVisualObject& child, const TvgPoint& position, float width, float height) {
  child.MoveQuietly(position);
  child.width_ = width;
  child.height_ = height;
  child.MatrixChanged(&child);
  child.Realign();
}

void TvgVisualObject::PlaceChild(TvgVisualObject& child, TvgAlign align, TvgRect& free) {
  const TvgRect p = child.padding_->GetRect();
  const float ownWidth = child.width_ + p.Left + p.Right, ownHeight = child.height_ + p.Top + p.Bottom;
  const bool keepsWidth = (align >= vaTopLeft && align <= vaBottomRight) || align == vaLeft || align == vaRight ||
                          align == vaMostLeft || align == vaMostRight || align == vaVertical;
  const bool keepsHeight = (align >= vaTopLeft && align <= vaBottomRight) || align == vaTop || align == vaBottom ||
                           align == vaMostTop || align == vaMostBottom || align == vaHorizontal;
  float d = keepsWidth || vgRectWidth(free) < 0 ? ownWidth : vgRectWidth(free);
  float g = keepsHeight || vgRectHeight(free) < 0 ? ownHeight : vgRectHeight(free);
  float px = free.Left, py = free.Top;
  if (align == vaVertical) px = child.position_->X() - p.Left;
  if (align == vaHorizontal) py = child.position_->Y() - p.Top;

  switch (align) {
    case vaTopRight:
      child.position_->SetX(child.position_->X() + width_ - lastWidth_);
      return;
    case vaBottomLeft:
      child.position_->SetY(child.position_->Y() + height_ - lastHeight_);
      return;
    case vaBottomRight:
      child.position_->SetPoint(
          {child.position_->X() + width_ - lastWidth_, child.position_->Y() + height_ - lastHeight_});
      return;
    case vaTop: case vaMostTop:
      free.Top += g;
      break;
    case vaLeft: case vaMostLeft:
      free.Left += d;
      break;
    case vaRight: case vaMostRight:
      px = free.Right - d;
      free.Right = px;
      break;
    case vaBottom: case vaMostBottom:
      py = free.Bottom - g;
      free.Bottom = py;
      break;
    case vaContents:
      SetChildGeometry(child, {p.Left, p.Top}, width_ - p.Left - p.Right, height_ - p.Top - p.Bottom);
      return;
    case vaCenter:
      px = free.Left + float(Trunc((d - ownWidth) / 2));
      py = free.Top + float(Trunc((g - ownHeight) / 2));
      d = ownWidth;
      g = ownHeight;
      break;
    case vaVertCenter:
      py = free.Top + float(Trunc((g - ownHeight) / 2));
      g = ownHeight;
      break;
    case vaHorzCenter:
      px = free.Left + float(Trunc((d - ownWidth) / 2));
      d = ownWidth;
      break;
    case vaScale:
      if (lastWidth_ > 0 && lastHeight_ > 0 && width_ > 0 && height_ > 0) {
        const float sx = width_ / lastWidth_, sy = height_ / lastHeight_;
        SetChildGeometry(child, {child.position_->X() * sx, child.position_->Y() * sy}, child.width_ * sx,
                         child.height_ * sy);
      }
      return;
    case vaFit: case vaFitLeft: case vaFitRight:
      FitChild(child, align);
      return;
    default:
      break;
  }

  child.MoveQuietly({px + p.Left, py + p.Top});
  const float width = d - p.Left - p.Right, height = g - p.Top - p.Bottom;
  if (width != child.width_ || height != child.height_) {
    child.width_ = width;
    child.height_ = height;
    child.Realign();
  }
  child.MatrixChanged(&child);

  // A child that kept a size of its own gives the difference back to the free rect.
  const float outerWidth = child.width_ + p.Left + p.Right, outerHeight = child.height_ + p.Top + p.Bottom;
  if (outerWidth == d && outerHeight == g) return;
  switch (align) {
    case vaTop: free.Top = free.Top - g + outerHeight; break;
    case vaBottom: free.Bottom = free.Bottom + g - outerHeight; break;
    case vaLeft: free.Left = free.Left - d + outerWidth; break;
    case vaRight: free.Right = free.Right + d - outerWidth; break;
    case vaClient:
      free.Right += d - outerWidth;
      free.Bottom += g - outerHeight;
      break;
    default: break;
  }
}

// The child's outer rect is fitted into the margins rect keeping its aspect ratio, grown when it
// is smaller, and for the left and right kinds moved to that edge.
void TvgVisualObject::FitChild(TvgVisualObject& child, TvgAlign align) {
  const TvgRect target = margins_->MarginRect(GetLocalRect());
  const TvgRect p = child.padding_->GetRect();
  TvgRect outer{child.position_->X() - p.Left, child.position_->Y() - p.Top,
                child.position_->X() + child.width_ + p.Right, child.position_->Y() + child.height_ + p.Bottom};
  const float ratio = vgRectFit(outer, target);
  if (ratio < 1) {
    outer = {0, 0, vgRectWidth(outer) / ratio, vgRectHeight(outer) / ratio};
    vgRectCenter(outer, target);
  }
  if (align == vaFitLeft) vgOffsetRect(outer, target.Left - outer.Left, 0);
  if (align == vaFitRight) vgOffsetRect(outer, target.Right - outer.Right, 0);
  SetChildGeometry(child, {outer.Left + p.Left, outer.Top + p.Top}, vgRectWidth(outer) - p.Left - p.Right,
                   vgRectHeight(outer) - p.Top - p.Bottom);
}

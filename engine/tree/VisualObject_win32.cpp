// TvgVisualObject's published properties, construction and tree bookkeeping.
#include "engine/tree/VisualObject.h"

#include <algorithm>

#include "classlib/desktop/Cursors.h"
#include "classlib/desktop/Menus.h"
#include "engine/effects/Effect.h"
#include "engine/paint/Bitmap.h"
#include "engine/scene/SceneInterface.h"
#include "engine/shapes/Shapes.h"

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

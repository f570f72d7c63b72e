// The input side of TvgVisualObject: the default reactions to what the scene routes to it
// (presses, moves, releases, wheel, hover, keys, focus, drag events), hit testing, the tab
// list and context menus.
#include "engine/tree/Control.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"
#include "classlib/core/SysUtils.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Menus.h"

#include <vector>

bool vgDisableFocusEffect = false;

namespace {

// The menu key.
constexpr uint16_t kAppsKey = VK_APPS;
// A release this far away lies outside every object: it clicks nothing.
constexpr float kFarAway = 65535;

void StartTriggers(TvgVisualObject& object, const char* trigger) {
  object.StartTriggerAnimation(&object, trigger);
  object.ApplyTriggerEffect(&object, trigger);
}

void StartFocusTriggers(TvgVisualObject& object) {
  if (object.DisableFocusEffect() || vgDisableFocusEffect) return;
  StartTriggers(object, "IsFocused");
}

bool InLocalRectWithEdges(const TvgVisualObject& object, float x, float y) {
  return x >= 0 && x <= object.Width() && y >= 0 && y <= object.Height();
}

bool Designing(const TvgVisualObject& object) { return object.Scene() && object.Scene()->GetDesignTime(); }

// Neither an invisible object nor a disabled control takes part in hit testing, outside the
// designer.
bool TakesPointer(TvgVisualObject& object) {
  const bool design = Designing(object);
  if (!object.Visible() && !design) return false;
  return design || !dynamic_cast<TvgControl*>(&object) || object.GetAbsoluteEnabled();
}

// The visual children a hit test passes, topmost first; in the designer a DesignHide object's
// are passed over.
std::vector<TvgVisualObject*> HitTestChildren(const TvgVisualObject& object) {
  std::vector<TvgVisualObject*> children;
  if (Designing(object) && object.DesignHide()) return children;
  for (int i = object.ChildrenCount() - 1; i >= 0; --i)
    if (TvgVisualObject* child = object.Children(i)->Visual()) children.push_back(child);
  return children;
}

}  // namespace

// --- Pointer ---------------------------------------------------------------------------------

void TvgVisualObject::Click() { OnClick(this); }

void TvgVisualObject::DblClick() { OnDblClick(this); }

// The press point (x, y) is local.
void TvgVisualObject::MouseDown(TMouseButton button, TShiftState shift, float x, float y) {
  if (!Designing() && canFocused_ && !isFocused_ && Scene() && Scene()->GetFocused() != this) SetFocus();
  OnMouseDown(this, button, shift, x, y);
  if (button == mbRight) {
    if (Scene()) ContextMenu(Scene()->LocalToScreen(LocalToAbsolute({x, y})));
    return;
  }
  if (autoCapture_) Capture();
  if (shift.Contains(ssDouble)) {
    DblClick();
    doubleClicked_ = true;
  } else if (button == mbLeft) {
    pressed_ = true;
  }
}

void TvgVisualObject::MouseMove(TShiftState shift, float x, float y, float dx, float dy) {
  OnMouseMove(this, shift, x, y, dx, dy);
}

// The flags are cleared before the click, whose handler may free the object.
void TvgVisualObject::MouseUp(TMouseButton button, TShiftState shift, float x, float y) {
  ReleaseCapture();
  OnMouseUp(this, button, shift, x, y);
  const bool click = pressed_ && !doubleClicked_ && InLocalRectWithEdges(*this, x, y);
  pressed_ = false;
  doubleClicked_ = false;
  if (click) Click();
}

void TvgVisualObject::MouseWheel(TShiftState shift, int wheelDelta, bool& handled) {
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, Scene() ? Scene()->GetMousePos() : TvgPoint{}, handled);
}

void TvgVisualObject::MouseEnter() {
  isMouseOver_ = true;
  StartTriggers(*this, "IsMouseOver");
  OnMouseEnter(this);
}

// A press that the mouse takes away from the object clicks nothing when it comes back.
void TvgVisualObject::MouseLeave() {
  isMouseOver_ = false;
  pressed_ = false;
  StartTriggers(*this, "IsMouseOver");
  OnMouseLeave(this);
}

void TvgVisualObject::Capture() {
  if (Scene()) Scene()->SetCaptured(this);
}

void TvgVisualObject::ReleaseCapture() {
  if (Scene() && Scene()->GetCaptured() == this) Scene()->SetCaptured(nullptr);
}

// --- Keys ------------------------------------------------------------------------------------

void TvgVisualObject::KeyDown(uint16_t& key, wchar_t& keyChar, TShiftState shift) {
  if (key != kAppsKey) return OnKeyDown(this, key, keyChar, shift);
  if (Scene()) ContextMenu(Scene()->LocalToScreen(LocalToAbsolute({width_ / 2, height_ / 2})));
}

void TvgVisualObject::KeyUp(uint16_t& key, wchar_t& keyChar, TShiftState shift) { OnKeyUp(this, key, keyChar, shift); }

void TvgVisualObject::DialogKey(uint16_t& key, TShiftState shift) {
  for (int i = 0; i < ChildrenCount() && key != 0; ++i)
    if (TvgVisualObject* child = Children(i)->Visual())
      if (child->visible_ && child->enabled_) child->DialogKey(key, shift);
}

void TvgVisualObject::ContextMenu(const TvgPoint& screenPoint) {
  if (!popupMenu_) return;
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(int(Round(screenPoint.X)), int(Round(screenPoint.Y)));
}

// --- Focus -----------------------------------------------------------------------------------

void TvgVisualObject::SetFocus() {
  if (!canFocused_ || !Scene()) return;
  bool canFocus = true;
  if (OnCanFocused) OnCanFocused(this, canFocus);
  if (canFocus) Scene()->SetFocused(this);
}

// The focus widens the update rect.
void TvgVisualObject::EnterFocus() {
  if (!canFocused_) return;
  for (TvgVisualObject* ancestor = VisualParent(); ancestor; ancestor = ancestor->VisualParent())
    if (ancestor->EnterChildren(this)) break;
  isFocused_ = true;
  RecalcUpdateRect();
  Repaint();
  OnEnterFocus(this);
  StartFocusTriggers(*this);
}

// The old, wider area is painted before the flag goes.
void TvgVisualObject::KillFocus() {
  if (!canFocused_) return;
  RecalcUpdateRect();
  Repaint();
  isFocused_ = false;
  RecalcUpdateRect();
  OnKillFocus(this);
  StartFocusTriggers(*this);
}

void TvgVisualObject::GetTabList(std::vector<TvgVisualObject*>& list, bool recursive) const {
  for (TvgVisualObject* child : tabList_) {
    list.push_back(child);
    if (recursive) child->GetTabList(list, true);
  }
}

// --- Hit testing -----------------------------------------------------------------------------

bool TvgVisualObject::PointInObject(float x, float y) {
  const TvgPoint local = AbsoluteToLocal({x, y});
  return local.X > 0 && local.X < width_ && local.Y > 0 && local.Y < height_;
}

bool TvgVisualObject::CheckHitTest() const {
  if (Designing()) return !locked_ && !designHide_;
  return hitTest_;
}

TvgVisualObject* TvgVisualObject::ObjectAtPoint(const TvgPoint& point) {
  if (!TakesPointer(*this)) return nullptr;
  if (clipChildren_ && !PointInObject(point.X, point.Y)) return nullptr;
  for (TvgVisualObject* child : HitTestChildren(*this))
    if (TvgVisualObject* hit = child->ObjectAtPoint(point)) return hit;
  return PointInObject(point.X, point.Y) && CheckHitTest() ? this : nullptr;
}

TvgVisualObject* TvgVisualObject::FindTarget(const TvgPoint& point, TvgDragObject* data) {
  if (!TakesPointer(*this)) return nullptr;
  const bool inside = PointInObject(point.X, point.Y);
  if (!clipChildren_ || inside)
    for (TvgVisualObject* child : HitTestChildren(*this))
      if (TvgVisualObject* target = child->FindTarget(point, data)) return target;
  if (!inside || !CheckHitTest()) return nullptr;
  bool accept = false;
  DragOver(data, point, accept);
  return accept ? this : nullptr;
}

// --- Dragging --------------------------------------------------------------------------------

void TvgVisualObject::BeginAutoDrag() {
  if (Scene()) Scene()->BeginVCLDrag(this);
}

void TvgVisualObject::DragEnter(TvgDragObject* data, const TvgPoint& point) {
  isDragOver_ = true;
  Repaint();
  StartTriggers(*this, "IsDragOver");
  OnDragEnter(this, data, point);
}

void TvgVisualObject::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  OnDragOver(this, data, point, accept);
}

void TvgVisualObject::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  isDragOver_ = false;
  Repaint();
  StartTriggers(*this, "IsDragOver");
  OnDragDrop(this, data, point);
}

void TvgVisualObject::DragLeave() {
  isDragOver_ = false;
  Repaint();
  StartTriggers(*this, "IsDragOver");
  OnDragLeave(this);
}

// An automatic drag began with a press; its release lands far away, so that it clicks nothing
// and gives the capture back.
void TvgVisualObject::DragEnd() {
  if (dragMode_ == vgDragAutomatic) MouseUp(mbLeft, TShiftState{ssLeft}, kFarAway, kFarAway);
  OnDragEnd(this);
}

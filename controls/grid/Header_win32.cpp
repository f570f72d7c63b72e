#include "controls/grid/Header.h"

#include <algorithm>

#include "classlib/core/TemporaryChange.h"
#include "classlib/desktop/Control.h"
#include "classlib/desktop/Cursors.h"
#include "engine/scene/DragDrop.h"

CL_PUBLISHED(TvgHeaderItem) {
  using I = TvgHeaderItem;
  published.Property("CanFocused", &I::CanFocused, &I::SetCanFocused).Default(false);
  published.Property("TextAlign", &I::TextAlign, &I::SetTextAlign).Default(vgTextAlignNear);
  published.Property("DragMode", &I::DragMode, &I::SetDragMode).Default(vgDragAutomatic);
}

CL_PUBLISHED(TvgHeader) {
  using H = TvgHeader;
  published.Property("Radius", &H::Radius, &H::SetRadius).Default(0.0f);
  published.Property("Sides", &H::Sides, &H::SetSides).Default(vgAllSides);
  published.Property("ClipChildren", &H::ClipChildren, &H::SetClipChildren).Default(true);
  published.Property("CanFocused", &H::CanFocused, &H::SetCanFocused).Default(false);
  published.Property("OnRealignItem", &H::OnRealignItem, &H::OnRealignItem);
  published.Property("OnResizeItem", &H::OnResizeItem, &H::OnResizeItem);
}

namespace {

// A thin strip at an item's edge: dragging it resizes the item it belongs to (right grip) or the
// item before (left grip).
class THeaderGrip : public TvgVisualObject {
public:
  THeaderGrip(TvgHeaderItem& item, TvgAlign align) : TvgVisualObject(nullptr), item_(item), right_(align == vaRight) {
    SetStored(false);
    SetLocked(true);
    SetAutoCapture(true);
    SetCursor(crHSplit);
    SetWidth(3);
  }

  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override {
    TvgVisualObject::MouseDown(button, shift, x, y);
    pressed_ = button == mbLeft;
  }
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override {
    TvgVisualObject::MouseMove(shift, x, y, dx, dy);
    TvgHeader* header = item_.Header();
    TvgHeaderItem* resized = pressed_ && header ? ResizedItem(*header) : nullptr;
    if (!resized) return;
    const TvgPoint inItem = resized->AbsoluteToLocal(LocalToAbsolute({x, y}));
    header->ResizeItem(resized, inItem.X);
  }
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override {
    TvgVisualObject::MouseUp(button, shift, x, y);
    pressed_ = false;
  }

private:
  TvgHeaderItem* ResizedItem(TvgHeader& header) const {
    if (right_) return &item_;
    const int index = &item_ == header.Filler() ? header.ItemCount() : header.IndexOfItem(&item_);
    return header.Items(index - 1);
  }

  TvgHeaderItem& item_;
  const bool right_;
  bool pressed_ = false;
};

}  // namespace

// --- Header item -------------------------------------------------------------------------------

TvgHeaderItem::TvgHeaderItem(TComponent* owner) : TvgCornerButton(owner) {
  SetCanFocused(false);
  SetTextAlign(vgTextAlignNear);
  SetDragMode(vgDragAutomatic);
  rightGrip_ = AddGrip(vaRight);
  leftGrip_ = AddGrip(vaLeft);
}

TvgVisualObject* TvgHeaderItem::AddGrip(TvgAlign align) {
  auto* grip = new THeaderGrip(*this, align);
  AddObject(grip);
  grip->SetAlign(align);
  return grip;
}

TvgHeader* TvgHeaderItem::Header() const { return dynamic_cast<TvgHeader*>(Parent()); }

void TvgHeaderItem::DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) {
  TvgCornerButton::DragOver(data, point, accept);
  auto* dragged = dynamic_cast<TvgHeaderItem*>(data->Source);
  accept = dragged && dragged != this && Header() && dragged->Header() == Header() && DragMode() != vgDragManual;
}

void TvgHeaderItem::DragDrop(TvgDragObject* data, const TvgPoint& point) {
  TvgCornerButton::DragDrop(data, point);
  bool accept = false;
  DragOver(data, point, accept);
  if (accept) Header()->MoveItem(static_cast<TvgHeaderItem*>(data->Source), this);
}

// --- Header ------------------------------------------------------------------------------------

TvgHeader::TvgHeader(TComponent* owner) : TvgControl(owner) {
  SetClipChildren(true);
  SetCanFocused(false);
  filler_ = new TvgHeaderItem(nullptr);
  filler_->SetStored(false);
  filler_->SetLocked(true);
  filler_->SetWidth(50);
  filler_->SetDragMode(vgDragManual);
  AddObject(filler_);
}

void TvgHeader::SetRadius(float radius) {
  if (radius == radius_) return;
  radius_ = radius;
  Realign();
}

void TvgHeader::SetSides(TvgSides sides) {
  if (sides == sides_) return;
  sides_ = sides;
  Realign();
}

void TvgHeader::SetOffset(float offset) {
  if (offset == offset_) return;
  offset_ = offset;
  Realign();
}

int TvgHeader::ItemCount() const {
  int count = 0;
  for (int i = 0; i < ChildrenCount(); ++i)
    if (Children(i) != filler_ && dynamic_cast<TvgHeaderItem*>(Children(i))) ++count;
  return count;
}

TvgHeaderItem* TvgHeader::Items(int index) const {
  if (index < 0) return nullptr;
  for (int i = 0; i < ChildrenCount(); ++i) {
    auto* item = dynamic_cast<TvgHeaderItem*>(Children(i));
    if (item && item != filler_ && index-- == 0) return item;
  }
  return nullptr;
}

int TvgHeader::IndexOfItem(const TvgHeaderItem* item) const {
  for (int i = 0, n = ItemCount(); i < n; ++i)
    if (Items(i) == item) return i;
  return -1;
}

void TvgHeader::ResizeItem(TvgHeaderItem* item, float newWidth) {
  float size = std::max(newWidth, 0.0f);
  OnResizeItem(item, size);
  item->SetWidth(size);
  Realign();
}

void TvgHeader::MoveItem(TvgHeaderItem* item, TvgHeaderItem* target) {
  const int oldIndex = IndexOfItem(item);
  const int newIndex = IndexOfItem(target);
  if (oldIndex < 0 || newIndex < 0 || oldIndex == newIndex) return;
  item->SetIndex(target->Index());
  Realign();
  OnRealignItem(item, oldIndex, newIndex);
}

void TvgHeader::Restyle(TvgHeaderItem& item, TvgCorners corners, TvgSides sides) {
  item.SetXRadius(radius_);
  item.SetYRadius(radius_);
  item.SetCorners(corners);
  item.SetSides(sides);
}

// The items sit side by side from the left, shifted by the offset; the filler takes what is left
// up to the right edge. The outer corners are the first item's top-left and the filler's
// top-right; inner items show only their left side of the two, as a divider.
void TvgHeader::Realign() {
  if (realigning_ || HasState(csDestroying)) return;
  const TTemporaryChange<bool> guard(realigning_, true);
  TvgControl::Realign();
  filler_->BringToFront();
  const float left = offset_ + Margins()->Left(), top = Margins()->Top();
  const float right = Width() - Margins()->Right();
  float x = left;
  bool first = true;
  for (int i = 0; i < ChildrenCount(); ++i) {
    auto* item = dynamic_cast<TvgHeaderItem*>(Children(i));
    if (!item || !item->Visible()) continue;
    item->SetBounds(x, top, item->Width(), Height());
    TvgSides sides = sides_;
    if (item == filler_) {
      Restyle(*item, TvgCorners{vgCornerTopRight}, sides.Include(vgSideLeft));
      continue;
    }
    x += item->Width();
    sides.Exclude(vgSideRight);
    if (!first) sides.Include(vgSideLeft);
    Restyle(*item, first ? TvgCorners{vgCornerTopLeft} : TvgCorners{}, sides);
    first = false;
  }
  filler_->SetWidth(x > right ? 0 : right - x);
}

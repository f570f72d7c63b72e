#include "engine/layouts/Layout.h"

#include "engine/design/DesignOutline.h"
#include "engine/layouts/ScrollBox.h"

CL_PUBLISHED(TvgLayout) { published.Property("HitTest", &TvgLayout::HitTest, &TvgLayout::SetHitTest).Default(false); }

CL_PUBLISHED(TvgSplitLayout) {
  published.Property("HitTest", &TvgSplitLayout::HitTest, &TvgSplitLayout::SetHitTest).Default(true);
}

CL_PUBLISHED(TvgScaledLayout) {
  using L = TvgScaledLayout;
  published.Property("OriginalWidth", &L::OriginalWidth, &L::SetOriginalWidth).Default(50.0f);
  published.Property("OriginalHeight", &L::OriginalHeight, &L::SetOriginalHeight).Default(50.0f);
}

CL_PUBLISHED(TvgGridLayout) {
  using L = TvgGridLayout;
  published.Property("ItemHeight", &L::ItemHeight, &L::SetItemHeight).Default(64.0f);
  published.Property("ItemWidth", &L::ItemWidth, &L::SetItemWidth).Default(64.0f);
  published.Property("Orientation", &L::Orientation, &L::SetOrientation).Default(vgHorizontal);
}

TvgLayout::TvgLayout(TComponent* owner) : TvgVisualObject(owner) { SetHitTest(false); }

void TvgLayout::Paint() { vgPaintDesignOutline(*this, *GetCanvas()); }

void TvgScaledLayout::SetOriginalWidth(float width) {
  if (width == originalWidth_) return;
  originalWidth_ = width < 1 ? 1 : width;
  RecalcAbsolute();
}

void TvgScaledLayout::SetOriginalHeight(float height) {
  if (height == originalHeight_) return;
  originalHeight_ = height < 1 ? 1 : height;
  RecalcAbsolute();
}

void TvgScaledLayout::SetWidth(float width) {
  TvgVisualObject::SetWidth(width);
  if (Designing()) FollowSizeWhileDesigning();
  else RecalcAbsolute();
}

void TvgScaledLayout::SetHeight(float height) {
  TvgVisualObject::SetHeight(height);
  if (Designing()) FollowSizeWhileDesigning();
  else RecalcAbsolute();
}

void TvgScaledLayout::FollowSizeWhileDesigning() {
  SetOriginalWidth(Width());
  SetOriginalHeight(Height());
}

TvgMatrix TvgScaledLayout::GetChildrenMatrix() {
  if (Designing()) FollowSizeWhileDesigning();
  TvgMatrix matrix = vgIdentityMatrix;
  matrix.m11 = Width() / originalWidth_;
  matrix.m22 = Height() / originalHeight_;
  return matrix;
}

void TvgScaledLayout::Paint() { vgPaintDesignOutline(*this, *GetCanvas()); }

void TvgScaledLayout::Realign() {
  if (ParentScrollBoxUpdating()) return;
  TvgVisualObject::Realign();
  if (Designing()) return;
  RecalcAbsolute();
  RecalcUpdateRect();
}

bool TvgScaledLayout::ParentScrollBoxUpdating() const {
  auto* box = dynamic_cast<TvgScrollBox*>(Parent());
  return box && box->Updating();
}

void TvgGridLayout::SetItemWidth(float width) {
  if (width == itemWidth_) return;
  itemWidth_ = width;
  Realign();
}

void TvgGridLayout::SetItemHeight(float height) {
  if (height == itemHeight_) return;
  itemHeight_ = height;
  Realign();
}

void TvgGridLayout::SetOrientation(TvgOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  Realign();
}

void TvgGridLayout::Realign() {
  if (placing_) return;
  placing_ = true;
  PlaceCells();
  placing_ = false;
}

void TvgGridLayout::PlaceCells() {
  TvgPoint cell{Margins()->Left(), Margins()->Top()};
  for (int i = 0; i < ChildrenCount(); ++i) {
    TvgVisualObject* child = Children(i)->Visual();
    if (!child) continue;
    const TvgBounds& padding = *child->Padding();
    child->SetBounds(cell.X + padding.Left(), cell.Y + padding.Top(), itemWidth_ - padding.Left() - padding.Right(),
                     itemHeight_ - padding.Top() - padding.Bottom());
    NextCell(cell);
  }
}

void TvgGridLayout::NextCell(TvgPoint& cell) const {
  const TvgBounds& margins = *Margins();
  if (orientation_ == vgHorizontal) {
    cell.X += itemWidth_;
    if (cell.X + itemWidth_ > Width() - margins.Left() - margins.Right()) {
      cell.X = margins.Left();
      cell.Y += itemHeight_;
    }
  } else {
    cell.Y += itemHeight_;
    if (cell.Y + itemHeight_ > Height() - margins.Top() - margins.Bottom()) {
      cell.Y = margins.Top();
      cell.X += itemWidth_;
    }
  }
}

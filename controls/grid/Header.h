#pragma once
// The grid's header: a row of TvgHeaderItem buttons, one per column, and a filler item after
// them up to the header's right edge. Each item has a grip on either side: dragging the right
// grip resizes the item, the left grip the item before it; dragging an item onto another of the
// same header moves it to that item's place.
#include "controls/buttons/CornerButton.h"

class TvgHeader;

using TvgOnRealignItemEvent = TEvent<TObject*, int32_t, int32_t>;
using TvgOnResizeItemEvent = TEvent<TObject*, float&>;

class TvgHeaderItem : public TvgCornerButton {
  CL_CLASS(TvgHeaderItem, TvgCornerButton)
public:
  explicit TvgHeaderItem(TComponent* owner);

  TvgHeader* Header() const;  // the header it is an item of, nullptr outside one
  TvgVisualObject* LeftGrip() const { return leftGrip_; }
  TvgVisualObject* RightGrip() const { return rightGrip_; }

  void DragOver(TvgDragObject* data, const TvgPoint& point, bool& accept) override;
  void DragDrop(TvgDragObject* data, const TvgPoint& point) override;

private:
  TvgVisualObject* AddGrip(TvgAlign align);

  TvgVisualObject* leftGrip_;
  TvgVisualObject* rightGrip_;
};

class TvgHeader : public TvgControl {
  CL_CLASS(TvgHeader, TvgControl)
public:
  explicit TvgHeader(TComponent* owner);

  float Radius() const { return radius_; }
  void SetRadius(float radius);
  TvgSides Sides() const { return sides_; }
  void SetSides(TvgSides sides);
  // Moves the items horizontally (the grid's scroll position).
  float Offset() const { return offset_; }
  void SetOffset(float offset);
  TvgHeaderItem* Filler() const { return filler_; }

  // The header's items in order, the filler not among them.
  int ItemCount() const;
  TvgHeaderItem* Items(int index) const;  // nullptr out of range
  int IndexOfItem(const TvgHeaderItem* item) const;
  // A grip dragged the item's right edge to newWidth (never below 0); OnResizeItem may change it.
  void ResizeItem(TvgHeaderItem* item, float newWidth);
  // Moves the item to the place of target and reports it through OnRealignItem.
  void MoveItem(TvgHeaderItem* item, TvgHeaderItem* target);

  TvgOnRealignItemEvent OnRealignItem;
  TvgOnResizeItemEvent OnResizeItem;

  std::string GetItemClasses() override { return "TvgHeaderItem"; }
  void Realign() override;

private:
  void Restyle(TvgHeaderItem& item, TvgCorners corners, TvgSides sides);

  TvgHeaderItem* filler_;
  float radius_ = 0;
  TvgSides sides_ = vgAllSides;
  float offset_ = 0;
  bool realigning_ = false;
};

#pragma once
// Invisible containers that group or arrange other objects: TvgLayout (a group that lets the
// mouse through), TvgSplitLayout (a plain group), TvgScaledLayout (scales its children with its
// own size) and TvgGridLayout (a flow of equal cells). In a designed scene they show a dashed
// outline so that they can be found.
#include "engine/tree/VisualObject.h"

CL_ENUM(TvgOrientation, vgHorizontal, vgVertical)

class TvgLayout : public TvgVisualObject {
  CL_CLASS(TvgLayout, TvgVisualObject)
public:
  explicit TvgLayout(TComponent* owner);
  void Paint() override;
};

class TvgSplitLayout : public TvgVisualObject {
  CL_CLASS(TvgSplitLayout, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
};

// Children are laid out for the original size and drawn stretched to the current one. While
// designing, the original size follows the size, so children show unscaled.
class TvgScaledLayout : public TvgVisualObject {
  CL_CLASS(TvgScaledLayout, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;

  float OriginalWidth() const { return originalWidth_; }
  void SetOriginalWidth(float width);  // at least 1
  float OriginalHeight() const { return originalHeight_; }
  void SetOriginalHeight(float height);  // at least 1

  void SetWidth(float width) override;
  void SetHeight(float height) override;
  TvgMatrix GetChildrenMatrix() override;
  void Paint() override;
  void Realign() override;

private:
  void FollowSizeWhileDesigning();
  bool ParentScrollBoxUpdating() const;

  float originalWidth_ = 50;
  float originalHeight_ = 50;
};

// Places every visual child, visible or not, in the next ItemWidth x ItemHeight cell of a flow
// that starts at the top left margin and wraps at the opposite margin.
class TvgGridLayout : public TvgVisualObject {
  CL_CLASS(TvgGridLayout, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;

  float ItemWidth() const { return itemWidth_; }
  void SetItemWidth(float width);
  float ItemHeight() const { return itemHeight_; }
  void SetItemHeight(float height);
  TvgOrientation Orientation() const { return orientation_; }
  void SetOrientation(TvgOrientation orientation);

  void Realign() override;

private:
  void PlaceCells();
  void NextCell(TvgPoint& cell) const;

  float itemWidth_ = 64;
  float itemHeight_ = 64;
  TvgOrientation orientation_ = vgHorizontal;
  bool placing_ = false;
};

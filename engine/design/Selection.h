#pragma once
// TvgSelection: a frame with four round corner grips that the user moves by dragging its inside
// and resizes by dragging a grip, optionally keeping its aspect ratio and staying inside its
// parent. The bitmap editor crops with it; the designer frames its selection with it.
#include <array>

#include "engine/tree/VisualObject.h"

class TvgSelection : public TvgVisualObject {
  CL_CLASS(TvgSelection, TvgVisualObject)
public:
  explicit TvgSelection(TComponent* owner);

  float GripSize() const { return gripSize_; }
  void SetGripSize(float size);  // kept within 1..20
  int32_t MinSize() const { return minSize_; }
  void SetMinSize(int32_t size);  // 0 or less is stored as 1
  bool ParentBounds() const { return parentBounds_; }
  void SetParentBounds(bool value) { parentBounds_ = value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hide);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value) { proportional_ = value; }
  // Whether the pointer hovers over a corner's grip, in the order top-left, top-right,
  // bottom-right, bottom-left.
  bool GripHovered(int corner) const { return hovered_.at(size_t(corner)); }

  TNotifyEvent OnChange;  // at the release after a move or resize
  TNotifyEvent OnTrack;   // at every move of one

  bool PointInObject(float x, float y) override;
  TvgRect GetUpdateRect() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseLeave() override;
  void Paint() override;

private:
  enum TDragMode { dmNone, dmMove, dmTopLeft, dmTopRight, dmBottomRight, dmBottomLeft };

  std::array<TvgPoint, 4> Corners() const;  // top-left, top-right, bottom-right, bottom-left
  int GripAt(const TvgPoint& local) const;  // -1 when no grip square holds the point
  void Move(const TvgPoint& local);
  void Resize(const TvgPoint& local);
  void UpdateHover(const TvgPoint& local);

  float gripSize_ = 3;
  int32_t minSize_ = 15;
  bool parentBounds_ = true;
  bool hideSelection_ = false;
  bool proportional_ = false;
  TvgPoint downPoint_;
  float ratio_ = 1;
  TDragMode dragMode_ = dmNone;
  std::array<bool, 4> hovered_{};
};

#pragma once
// TvgSplitter: the bar between two aligned objects of one parent. Dragging it resizes the object
// next to it on its side (the left one for vaLeft, the one below for vaBottom ...), never below
// MinSize and never so far that the other left/right (or top/bottom) aligned objects lose their
// room; the parent's alignment then moves the splitter along. Its style's "grip" shows while
// ShowGrip.
#include "engine/tree/Control.h"

class TvgSplitter : public TvgControl {
  CL_CLASS(TvgSplitter, TvgControl)
public:
  explicit TvgSplitter(TComponent* owner);

  float MinSize() const { return minSize_; }
  void SetMinSize(float size) { minSize_ = size; }
  bool ShowGrip() const { return showGrip_; }
  void SetShowGrip(bool show);

  void SetAlign(TvgAlign align) override;
  void ApplyStyle() override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool Horizontal() const;  // a left/right splitter, moved along X
  TvgVisualObject* FindResized();
  float MaximumSize() const;
  float SizeAt(float x, float y) const;
  void Resize(float size);

  float minSize_ = 20;
  bool showGrip_ = true;
  bool tracking_ = false;
  TvgVisualObject* resized_ = nullptr;
  TvgPoint pressPoint_;
  float maxSize_ = 0;
  float oldSize_ = 0;
};

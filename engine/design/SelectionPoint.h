#pragma once
// TvgSelectionPoint: one round grip that the user drags to a new place inside its parent. The
// grip is centred on the object's origin, so its Position is the point it marks; its width and
// height are always twice the grip size.
#include "engine/tree/VisualObject.h"

class TvgSelectionPoint : public TvgVisualObject {
  CL_CLASS(TvgSelectionPoint, TvgVisualObject)
public:
  explicit TvgSelectionPoint(TComponent* owner);

  float GripSize() const { return gripSize_; }
  void SetGripSize(float size);  // kept within 1..20
  bool ParentBounds() const { return parentBounds_; }
  void SetParentBounds(bool value) { parentBounds_ = value; }

  TNotifyEvent OnChange;  // at the release after a drag
  TNotifyEvent OnTrack;   // at every move of one

  void SetWidth(float) override;
  void SetHeight(float) override;
  bool PointInObject(float x, float y) override;
  TvgRect GetUpdateRect() override;
  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint() override;

private:
  void KeepSizeToGrip();

  float gripSize_ = 3;
  bool parentBounds_ = true;
  bool dragging_ = false;
};

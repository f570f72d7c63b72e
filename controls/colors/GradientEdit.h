#pragma once
// TvgGradientEdit: a bar previewing a gradient over a checkerboard, with a marker below it for
// each stop. A press on a marker selects its stop and drags it along (past its neighbours, which
// it changes places with); dropping it more than 10 units below the bar removes it while two
// stops remain; a press on the bar adds a stop of the colour the gradient has there.
#include <memory>

#include "engine/paint/Gradient.h"
#include "engine/tree/Control.h"

class TvgBitmap;
class TvgColorPicker;

class TvgGradientEdit : public TvgControl {
  CL_CLASS(TvgGradientEdit, TvgControl)
public:
  explicit TvgGradientEdit(TComponent* owner);
  ~TvgGradientEdit() override;

  TvgGradient* Gradient() const { return gradient_.get(); }
  int CurrentPoint() const { return current_; }
  TvgColorPicker* ColorPicker() const { return colorPicker_; }
  void SetColorPicker(TvgColorPicker* picker);
  // The marker under stop index; empty for an index out of range.
  TvgRect MarkerRect(int index);

  void MouseDown(TMouseButton button, TShiftState shift, float x, float y) override;
  void MouseMove(TShiftState shift, float x, float y, float dx, float dy) override;
  void MouseUp(TMouseButton button, TShiftState shift, float x, float y) override;
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelectPoint;

private:
  int Count() const { return gradient_->Points()->Count(); }
  TvgGradientPoint* Point(int index) const { return gradient_->Points()->Points(index); }
  float OffsetAt(float x) const;
  void SelectPoint(int index);
  void ShowCurrentInPicker();
  void GradientChanged();
  void AddPointAt(float x);
  void MoveCurrentTo(float offset);
  void PaintMarkers(TvgCanvas& canvas, float opacity);

  std::unique_ptr<TvgGradient> gradient_;
  std::unique_ptr<TvgBitmap> preview_;
  TvgColorPicker* colorPicker_ = nullptr;
  int current_ = 0;
  bool moving_ = false;
  bool draggedOut_ = false;
};

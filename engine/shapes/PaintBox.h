#pragma once
// TvgPaintBox: a visual object whose drawing is its OnPaint handler's. The canvas's matrix is the
// object's own when the handler runs, so it draws in local coordinates.
#include "engine/tree/VisualObject.h"

using TvgPaintBoxEvent = TEvent<TObject*, TvgCanvas*>;

class TvgPaintBox : public TvgVisualObject {
  CL_CLASS(TvgPaintBox, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;

  void Paint() override;

  // Takes the place of the visual object's paint event of the same name in streams: a paint
  // box's handler is given the canvas alone.
  TvgPaintBoxEvent OnPaint;
};

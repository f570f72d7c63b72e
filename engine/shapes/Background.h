#pragma once
// TvgBackground: a control that fills its rect with its own brush. With a fill of its own, or as
// the root of a transparent scene, it paints its children without its style, whose look the
// fill (or nothing) replaces. Style trees use it as their root.
#include <memory>

#include "engine/tree/Control.h"

class TvgBrush;

class TvgBackground : public TvgControl {
  CL_CLASS(TvgBackground, TvgControl)
public:
  explicit TvgBackground(TComponent* owner);
  ~TvgBackground() override;

  TvgBrush* Fill() const { return fill_.get(); }
  void SetFill(TvgBrush* fill);

  void Paint() override;
  void PaintChildren() override;

  virtual void FillChanged() { Repaint(); }

private:
  bool HidesStyle() const;

  std::unique_ptr<TvgBrush> fill_;
};

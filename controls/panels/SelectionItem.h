#pragma once
// TvgSelectionItem: the styled look of a selection, which lets the pointer through. Its children
// are painted at run time only.
#include "engine/tree/Control.h"

class TvgSelectionItem : public TvgControl {
  CL_CLASS(TvgSelectionItem, TvgControl)
public:
  explicit TvgSelectionItem(TComponent* owner);

  void Paint() override {}
  void PaintChildren() override;
};

#pragma once
// TvgToolBar: the styled bar along the top of a window that holds tool buttons.
#include "engine/tree/Control.h"

class TvgToolBar : public TvgControl {
  CL_CLASS(TvgToolBar, TvgControl)
public:
  explicit TvgToolBar(TComponent* owner);
};

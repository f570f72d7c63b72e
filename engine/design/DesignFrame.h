#pragma once
// TvgDesignFrame: a placeholder that design tools put where they need an object that takes the
// mouse as any other and paints nothing.
#include "engine/tree/VisualObject.h"

class TvgDesignFrame : public TvgVisualObject {
  CL_CLASS(TvgDesignFrame, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;

  // Published for the tools that bind them; the frame itself never raises them.
  TNotifyEvent OnChange;
  TNotifyEvent OnTrack;
};

#pragma once
// TvgSizeGrip: the grip in the corner of a window frame or status bar. A press on it resizes the
// form that hosts the scene (the scene does that for objects answering IvgSizeGrip); its hosts
// show or hide it.
#include "engine/scene/SizeGripInterface.h"
#include "engine/tree/Control.h"

class TvgSizeGrip : public TvgControl, public IvgSizeGrip {
  CL_CLASS(TvgSizeGrip, TvgControl)
public:
  using TvgControl::TvgControl;
};

class TvgHudSizeGrip : public TvgSizeGrip {
  CL_CLASS(TvgHudSizeGrip, TvgSizeGrip)
public:
  using TvgSizeGrip::TvgSizeGrip;
};

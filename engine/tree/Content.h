#pragma once
// TvgContent: the plain container a control keeps its items in. Its children are streamed as
// children of the control that holds it.
#include "engine/tree/VisualObject.h"

class TvgContent : public TvgVisualObject {
  CL_CLASS(TvgContent, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
  bool ChildrenStreamedByParent() const override { return true; }
};

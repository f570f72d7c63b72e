#pragma once
// TvgContent: the plain container a control keeps its items in. Its children are streamed as
// children of the control that holds it, and laying it out lays out that control too.
#include "engine/tree/VisualObject.h"

class TvgContent : public TvgVisualObject {
  CL_CLASS(TvgContent, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
  bool ChildrenStreamedByParent() const override { return true; }
  // Itself unless its parent is loading, then its visual parent once (the parent's layout may
  // come back here).
  void Realign() override;

private:
  bool realigningParent_ = false;
};

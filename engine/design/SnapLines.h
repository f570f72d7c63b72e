#pragma once
// Snapping to lines in the designer: the selection's siblings whose edges or centre lines lie
// next to the selection's own, found during a drag, drawn as thin guide lines and used to pull a
// dragged point or the moved selection onto them. All coordinates are the selection's parent's.
#include <vector>

#include "engine/values/Geometry.h"

class TComponent;
class TvgCanvas;
class TvgVisualObject;

class TvgSnapLines {
public:
  // One guide: the shared line x = At (Vertical) or y = At, spanning From..To along it.
  struct TLine {
    bool Vertical;
    float At, From, To;
  };

  // Lists the siblings that line up with the selection (a line within 2 of its matching one);
  // with adjust the selection moves so that the first such line on each axis coincides.
  void Search(TvgVisualObject& selection, bool adjust);
  // A point closer than 4 to a listed object's edge becomes that edge, on each axis.
  TvgPoint Snap(const TvgPoint& point) const;
  // The guides between the selection and the listed objects.
  std::vector<TLine> Lines(TvgVisualObject& selection) const;
  // The guides with the parent's matrix set on the canvas.
  void Paint(TvgVisualObject& selection, TvgCanvas& canvas) const;
  // The scene area of each guide, 1 pixel beyond it on every side.
  std::vector<TvgRect> LineRects(TvgVisualObject& selection) const;

  const std::vector<TvgVisualObject*>& Objects() const { return objects_; }
  void Clear() { objects_.clear(); }
  void Forget(TComponent* component);

private:
  std::vector<TvgVisualObject*> objects_;
};

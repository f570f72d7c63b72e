#include "engine/design/DesignOutline.h"

#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"

namespace {
constexpr TvgColor kOutlineColor = 0xA0909090;
constexpr TvgCorners kSquareCorners{};
}  // namespace

// Painting into another canvas hands that canvas to the whole subtree for the time of it.
bool vgPaintingIntoAnotherCanvas(const TvgVisualObject& object) {
  IvgWindowScene* scene = object.Scene();
  return scene && object.Canvas() && object.Canvas() != scene->GetCanvas();
}

void vgPaintDesignOutline(TvgVisualObject& object, TvgCanvas& canvas) {
  IvgWindowScene* scene = object.Scene();
  if (!scene || !scene->GetDesignTime() || object.Locked() || vgPaintingIntoAnotherCanvas(object)) return;
  const int state = canvas.SaveState();
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(kOutlineColor);
  canvas.StrokeThickness = 1;
  canvas.SetStrokeDash(vgDashDash);
  TvgRect outline = object.GetLocalRect();
  vgInflateRect(outline, -0.5f, -0.5f);
  canvas.DrawRect(outline, 0, 0, kSquareCorners, object.GetAbsoluteOpacity(), vgCornerRound);
  if (state >= 0) canvas.RestoreState(state);
}

#include "engine/design/Grips.h"

#include <algorithm>

#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr TvgCorners kSquareCorners{};

void SetGripBrushes(TvgCanvas& canvas, bool hot) {
  canvas.Fill()->SetStyle(vgBrushSolid);
  canvas.Fill()->SetSolidColor(hot ? vgGripHotColor : vgGripColor);
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(vgGripLineColor);
  canvas.StrokeThickness = 1;
  canvas.SetStrokeDash(vgDashSolid);
}

}  // namespace

void vgPaintGrip(TvgCanvas& canvas, const TvgPoint& center, float radius, bool hot, float opacity) {
  SetGripBrushes(canvas, hot);
  const TvgRect circle{center.X - radius, center.Y - radius, center.X + radius, center.Y + radius};
  canvas.FillEllipse(circle, opacity);
  canvas.DrawEllipse(circle, opacity);
}

void vgPaintSquareGrip(TvgCanvas& canvas, const TvgPoint& center, float side, bool hot, float opacity) {
  SetGripBrushes(canvas, hot);
  const float half = side / 2;
  const TvgRect square{center.X - half, center.Y - half, center.X + half, center.Y + half};
  canvas.FillRect(square, 0, 0, kSquareCorners, opacity, vgCornerRound);
  canvas.DrawRect(square, 0, 0, kSquareCorners, opacity, vgCornerRound);
}

void vgPaintSelectionFrame(TvgCanvas& canvas, const TvgRect& rect, float opacity) {
  canvas.Stroke()->SetStyle(vgBrushSolid);
  canvas.Stroke()->SetSolidColor(vgGripLineColor);
  canvas.StrokeThickness = 1;
  canvas.SetStrokeDash(vgDashDash);
  TvgRect frame = rect;
  vgInflateRect(frame, -0.5f, -0.5f);
  canvas.DrawRect(frame, 0, 0, kSquareCorners, opacity, vgCornerRound);
  canvas.SetStrokeDash(vgDashSolid);
}

TvgPoint vgPointInParent(TvgVisualObject& object, const TvgPoint& local, bool clampToParent) {
  const TvgPoint absolute = object.LocalToAbsolute(local);
  TvgVisualObject* parent = object.Parent() ? object.Parent()->Visual() : nullptr;
  if (!parent) return absolute;
  TvgPoint point = parent->AbsoluteToLocal(absolute);
  if (clampToParent) {
    point.X = std::clamp(point.X, 0.0f, std::max(parent->Width(), 0.0f));
    point.Y = std::clamp(point.Y, 0.0f, std::max(parent->Height(), 0.0f));
  }
  return point;
}

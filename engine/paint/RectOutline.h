#pragma once
// The outline of a rectangle with chosen sides and shaped corners, traced clockwise into a path:
// a present side is a line, a missing side a move, so the outline stays open there. A callout
// rectangle also inserts its pointer into one present side. Used by the callout shape and by
// the canvas's side outline.
#include "engine/paint/Canvas.h"

class TvgPathData;

CL_ENUM(TvgCalloutPosition, vgCalloutTop, vgCalloutLeft, vgCalloutBottom, vgCalloutRight)

// A pointer Length long whose base is Width wide: Offset > 0 places the base that far from the
// top or left end of its side, Offset < 0 that far from the other end, 0 centres it.
struct TvgCallout {
  TvgCalloutPosition Position = vgCalloutTop;
  float Width = 23;
  float Length = 11;
  float Offset = 0;
};

// Appends the outline of Rect, starting at (Left, Top + ry) and ending there. Radii that do not
// fit are halved to the rect's side.
void vgAddRectOutline(TvgPathData& Path, const TvgRect& Rect, float XRadius, float YRadius, TvgCorners Corners,
                      TvgSides Sides, TvgCornerType CornerType, const TvgCallout* Callout = nullptr);

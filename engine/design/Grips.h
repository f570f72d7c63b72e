#pragma once
// What the design-time grips share: the look of a grip and the pointer taken into the parent's
// coordinates, where dragged frames and points are placed.
#include "engine/values/Colors.h"
#include "engine/values/Geometry.h"

class TvgCanvas;
class TvgVisualObject;

inline constexpr TvgColor vgGripLineColor = 0xFF1072C5;
inline constexpr TvgColor vgGripColor = 0xFFFFFFFF;
inline constexpr TvgColor vgGripHotColor = 0xFFFF0000;

// A circle about center, white (red when hot) outlined with a 1-unit line of the grip colour.
void vgPaintGrip(TvgCanvas& canvas, const TvgPoint& center, float radius, bool hot, float opacity);
// A square grip of the given side about center, coloured as a round one.
void vgPaintSquareGrip(TvgCanvas& canvas, const TvgPoint& center, float side, bool hot, float opacity);
// The dashed 1-unit frame of the grip colour around rect, inset by half a unit.
void vgPaintSelectionFrame(TvgCanvas& canvas, const TvgRect& rect, float opacity);

// The object's local point in its parent's coordinates (scene coordinates without a visual
// parent); with clampToParent cut to 0..the parent's width and height.
TvgPoint vgPointInParent(TvgVisualObject& object, const TvgPoint& local, bool clampToParent);

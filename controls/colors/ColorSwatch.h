#pragma once
// What the colour controls draw alike: the checkerboard that shows through translucent colours,
// the round marker on a ramp, and the ramps' pixels.
#include <functional>
#include <memory>

#include "engine/values/Colors.h"
#include "engine/values/Geometry.h"

class TvgBitmap;
class TvgCanvas;

// Clipped to the area: white, with cells of the given size in #FFD3D3D3 where column + row is odd,
// counted from the area's top left.
void vgPaintCheckerboard(TvgCanvas& canvas, const TvgRect& area, float cell, float opacity);
// A 10 x 10 ring, black outside and white inside, around a dot of the colour.
void vgPaintColorMarker(TvgCanvas& canvas, const TvgPoint& center, TvgColor color, float opacity);
// Every pixel of the bitmap from its colour at (x, y).
void vgFillPixels(TvgBitmap& bitmap, const std::function<TvgColor(int x, int y)>& colorAt);
// A cached ramp of the size: dropped when its size differs, painted anew when missing.
void vgKeepRamp(std::unique_ptr<TvgBitmap>& ramp, int width, int height,
                const std::function<TvgColor(int x, int y)>& colorAt);

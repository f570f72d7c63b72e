#pragma once
// Visiting the tiles of a grid laid over an object, as tiled images and paths draw them.
#include <cstdint>
#include <functional>

#include "engine/values/Geometry.h"

class TvgCanvas;

// Tile (column, row) covers origin + (column x step.X, row x step.Y), size big, for columns
// 0..lastColumn and rows 0..lastRow (local units under the canvas's matrix). Tiles that lie
// wholly off the canvas's surface are skipped, as they would not show. A grid with more tiles
// on the surface than one paint can draw, or with a step that does not advance, is not visited.
void vgForEachVisibleTile(const TvgCanvas& canvas, const TvgPoint& origin, const TvgPoint& size,
                          const TvgPoint& step, int64_t lastColumn, int64_t lastRow,
                          const std::function<void(int64_t column, int64_t row)>& visit);

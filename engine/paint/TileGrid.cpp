#include "engine/paint/TileGrid.h"

#include <algorithm>
#include <cmath>

#include "engine/paint/Canvas.h"

namespace {

// About a second of drawing under the slowest canvas; beyond it a paint would seem to hang.
constexpr int64_t kMaxTiles = int64_t(1) << 20;

struct TTileSpan {
  int64_t First, Last;  // Last < First: none
};

// The tiles along one axis that meet [visibleFirst, visibleLast].
TTileSpan VisibleSpan(double origin, double size, double step, int64_t last, double visibleFirst,
                      double visibleLast) {
  const double first = std::floor((visibleFirst - origin - size) / step);
  const double end = std::ceil((visibleLast - origin) / step);
  return {int64_t(std::clamp(first, 0.0, double(last) + 1)), int64_t(std::clamp(end, -1.0, double(last)))};
}

// The canvas's surface in local units: the bounds of its corners under the inverse matrix.
TvgRect SurfaceInLocalUnits(const TvgCanvas& canvas) {
  TvgMatrix inverse = canvas.Matrix();
  vgInvertMatrix(inverse);
  const float w = float(canvas.Width()), h = float(canvas.Height());
  const TvgPoint corners[4] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
  TvgPoint mapped[4];
  for (int i = 0; i < 4; ++i)
    mapped[i] = vgPointFromVector(vgVectorTransform(vgVectorFromPoint(corners[i], 1), inverse));
  TvgRect bounds;
  vgPointsBounds(mapped, 3, bounds);
  return bounds;
}

}  // namespace

void vgForEachVisibleTile(const TvgCanvas& canvas, const TvgPoint& origin, const TvgPoint& size,
                          const TvgPoint& step, int64_t lastColumn, int64_t lastRow,
                          const std::function<void(int64_t column, int64_t row)>& visit) {
  if (!(step.X > 0 && step.Y > 0)) return;
  const TvgRect surface = SurfaceInLocalUnits(canvas);
  const TTileSpan columns = VisibleSpan(origin.X, size.X, step.X, lastColumn, surface.Left, surface.Right);
  const TTileSpan rows = VisibleSpan(origin.Y, size.Y, step.Y, lastRow, surface.Top, surface.Bottom);
  if (columns.Last < columns.First || rows.Last < rows.First) return;
  if (double(columns.Last - columns.First + 1) * double(rows.Last - rows.First + 1) > double(kMaxTiles)) return;
  for (int64_t column = columns.First; column <= columns.Last; ++column)
    for (int64_t row = rows.First; row <= rows.Last; ++row) visit(column, row);
}

#include "engine/paint/ClipBox.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels kept around the box, beyond what edge smoothing can spread.
constexpr float kMargin = 2;

TvgRect Normalised(const TvgRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

TvgRect Inflated(TvgRect r, float by) {
  vgInflateRect(r, by, by);
  return r;
}

// The bounds of the rect's corners mapped by the affine map.
template <class Map>
TvgRect MappedBounds(const TvgRect& r, Map map) {
  const TvgPoint corners[4] = {map(r.Left, r.Top), map(r.Right, r.Top), map(r.Right, r.Bottom),
                               map(r.Left, r.Bottom)};
  TvgRect bounds{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
  for (const TvgPoint& p : corners)
    bounds = {std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y), std::max(bounds.Right, p.X),
              std::max(bounds.Bottom, p.Y)};
  return bounds;
}

bool IsWhole(const TvgRect& r) {
  for (float v : {r.Left, r.Top, r.Right, r.Bottom})
    if (!std::isfinite(v) || std::floor(v) != v) return false;
  return true;
}

bool Meet(const TvgRect& a, const TvgRect& b) {
  TvgRect common;
  return vgIntersectRect(common, a, b) && !vgIsRectEmpty(common);
}

}  // namespace

void TvgClipBox::Reset(int Width, int Height) {
  surface_ = {0, 0, float(Width), float(Height)};
  box_ = surface_;
  exact_ = true;
}

void TvgClipBox::SetMatrix(const TvgMatrix& M) {
  matrix_ = M;
  // The platform shears by m13 and m23: a transform this box does not follow.
  matrixKnown_ = M.m13 == 0 && M.m23 == 0;
}

TvgRect TvgClipBox::DeviceBounds(const TvgRect& Rect) const {
  const TvgMatrix& m = matrix_;
  return MappedBounds(Rect, [&m](float x, float y) {
    return TvgPoint{x * m.m11 + y * m.m21 + m.m31, x * m.m12 + y * m.m22 + m.m32};
  });
}

bool TvgClipBox::AxisAligned() const { return matrixKnown_ && matrix_.m12 == 0 && matrix_.m21 == 0; }

bool TvgClipBox::Invertible() const {
  const float determinant = matrix_.m11 * matrix_.m22 - matrix_.m12 * matrix_.m21;
  return matrixKnown_ && std::isfinite(determinant) && std::fabs(determinant) >= 1e-12f;
}

TvgRect TvgClipBox::WorldBounds(const TvgRect& DeviceRect) const {
  const TvgMatrix& m = matrix_;
  const float determinant = m.m11 * m.m22 - m.m12 * m.m21;
  return MappedBounds(DeviceRect, [&m, determinant](float x, float y) {
    const float dx = x - m.m31, dy = y - m.m32;
    return TvgPoint{(dx * m.m22 - dy * m.m21) / determinant, (dy * m.m11 - dx * m.m12) / determinant};
  });
}

bool TvgClipBox::WorldBox(TvgRect& Box) const {
  if (!Invertible()) return false;
  Box = WorldBounds(Inflated(box_, kMargin));
  return true;
}

void TvgClipBox::SetRects(const std::vector<TvgRect>& Rects) {
  exact_ = false;
  if (!matrixKnown_) {
    box_ = surface_;
    return;
  }
  box_ = {};
  if (Rects.empty()) return;
  TvgRect all = DeviceBounds(Normalised(Rects.front()));
  for (const TvgRect& r : Rects) all = vgUnionRect(all, DeviceBounds(Normalised(r)));
  vgIntersectRect(box_, all, surface_);
  exact_ = Rects.size() == 1 && AxisAligned() && IsWhole(all);
}

void TvgClipBox::Intersect(const TvgRect& Rect) {
  if (!matrixKnown_) {
    exact_ = false;
    return;
  }
  const TvgRect device = DeviceBounds(Normalised(Rect));
  vgIntersectRect(box_, box_, device);
  exact_ = exact_ && AxisAligned() && IsWhole(device);
}

bool TvgClipBox::Reaches(const TvgRect& Bounds) const {
  return !matrixKnown_ || Meet(Inflated(DeviceBounds(Normalised(Bounds)), kMargin), box_);
}

bool TvgClipBox::Within(const TvgRect& Bounds) const {
  if (vgIsRectEmpty(box_)) return true;
  TvgRect world;
  if (!WorldBox(world)) return false;
  return Bounds.Left <= world.Left && world.Right <= Bounds.Right && Bounds.Top <= world.Top &&
         world.Bottom <= Bounds.Bottom;
}

TvgRect TvgClipBox::Cut(const TvgRect& Rect) const {
  TvgRect world;
  if (!AxisAligned() || !WorldBox(world)) return Rect;
  TvgRect cut;
  if (vgIsRectEmpty(box_)) return cut;
  vgIntersectRect(cut, Rect, world);
  return cut;
}

#pragma once
// Helpers that TvgCanvasGdiPlus's own source files share; nothing outside them includes this.
#include "engine/gdiplus/GdiPlus.h"
#include "engine/values/Geometry.h"

namespace {

constexpr int smoothingHighQuality = 2;
constexpr int interpolationHighQuality = 2;
constexpr int pixelOffsetHalf = 4;

inline GpRectF ToGp(const TvgRect& r) { return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top}; }

inline GpColorMatrix AlphaMatrix(float opacity) {
  GpColorMatrix matrix{};
  for (int i = 0; i < 5; ++i) matrix.M[i][i] = 1;
  matrix.M[3][3] = opacity;
  return matrix;
}

}  // namespace

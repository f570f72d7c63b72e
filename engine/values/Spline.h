#pragma once
// A natural cubic spline through the points of a polygon, X and Y fitted separately over the
// parameter t (point i at t = i). Used by path animations.
#include <vector>

#include "engine/values/Geometry.h"

class TvgSpline {
public:
  explicit TvgSpline(const TvgPolygon& Polygon);
  // T outside 0..count - 1 extrapolates the first or last segment.
  void SplineXY(float T, float& X, float& Y) const;

private:
  // a3 t^3 + a2 t^2 + a1 t + a0 in the global parameter t.
  struct TCubic {
    float a3, a2, a1, a0;
    float At(float t) const { return ((a3 * t + a2) * t + a1) * t + a0; }
  };
  static std::vector<TCubic> Fit(const std::vector<float>& values);
  int Segment(float T) const;

  TvgPolygon points_;
  std::vector<TCubic> x_, y_;
};

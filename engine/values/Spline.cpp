#include "engine/values/Spline.h"

#include <cmath>

#include "classlib/core/SysUtils.h"

TvgSpline::TvgSpline(const TvgPolygon& Polygon) : points_(Polygon) {
  if (points_.size() < 2) return;
  std::vector<float> xs, ys;
  for (const TvgPoint& p : points_) {
    xs.push_back(p.X);
    ys.push_back(p.Y);
  }
  x_ = Fit(xs);
  y_ = Fit(ys);
}

// Derivatives from the tridiagonal system (diagonal 2, 4, ..., 4, 2; off-diagonals 1) by a
// Cholesky factorisation, then one cubic per segment rewritten in the global parameter.
std::vector<TvgSpline::TCubic> TvgSpline::Fit(const std::vector<float>& y) {
  const int n = int(y.size()) - 1;
  std::vector<float> b(n + 1), s(n + 1), p(n + 1), r(n + 1), d(n + 1);
  b[0] = 3 * (y[1] - y[0]);
  for (int i = 1; i < n; ++i) b[i] = 3 * (y[i + 1] - y[i - 1]);
  b[n] = 3 * (y[n] - y[n - 1]);

  s[0] = 1.4142135f;
  p[0] = 1 / s[0];
  for (int i = 1; i < n; ++i) {
    s[i] = std::sqrt(4 - p[i - 1] * p[i - 1]);
    p[i] = 1 / s[i];
  }
  s[n] = std::sqrt(2 - p[n - 1] * p[n - 1]);

  r[0] = b[0] / s[0];
  for (int i = 1; i <= n; ++i) r[i] = (b[i] - r[i - 1] * p[i - 1]) / s[i];
  d[n] = r[n] / s[n];
  for (int i = n - 1; i >= 0; --i) d[i] = (r[i] - d[i + 1] * p[i]) / s[i];

  std::vector<TCubic> cubics(n);
  for (int i = 0; i < n; ++i) {
    const float a0 = y[i], a1 = d[i];
    const float a2 = 3 * (y[i + 1] - y[i]) - 2 * d[i] - d[i + 1];
    const float a3 = 2 * (y[i] - y[i + 1]) + d[i] + d[i + 1];
    const float t = float(i);
    cubics[i] = {a3, a2 - 3 * t * a3, a1 - 2 * a2 * t + 3 * a3 * t * t, a0 - a1 * t + a2 * t * t - a3 * t * t * t};
  }
  return cubics;
}

int TvgSpline::Segment(float T) const {
  const int last = int(points_.size()) - 1;
  int segment = T <= 0 ? 0 : T <= last ? int(Trunc(T)) : last;
  return segment == last ? segment - 1 : segment;
}

void TvgSpline::SplineXY(float T, float& X, float& Y) const {
  if (points_.size() < 2) {
    // One point is its own spline; no point answers the origin.
    X = points_.empty() ? 0 : points_[0].X;
    Y = points_.empty() ? 0 : points_[0].Y;
    return;
  }
  int segment = Segment(T);
  X = x_[segment].At(T);
  Y = y_[segment].At(T);
}

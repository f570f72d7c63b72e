#include "engine/animation/Easing.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Picks the curve's branch for the type; an unknown type gives 0.
template <class In, class Out, class InOut>
double ByType(TvgAnimationType type, In in, Out out, InOut inOut) {
  switch (type) {
    case vgAnimationIn: return in();
    case vgAnimationOut: return out();
    case vgAnimationInOut: return inOut();
  }
  return 0;
}

double BounceOut(double t, double b, double c, double d) {
  constexpr double k = 7.5625;
  double u = t / d;
  if (u < 1 / 2.75) return c * k * u * u + b;
  if (u < 2 / 2.75) {
    u -= 1.5 / 2.75;
    return c * (k * u * u + 0.75) + b;
  }
  if (u < 2.5 / 2.75) {
    u -= 2.25 / 2.75;
    return c * (k * u * u + 0.9375) + b;
  }
  u -= 2.625 / 2.75;
  return c * (k * u * u + 0.984375) + b;
}

double BounceIn(double t, double b, double c, double d) { return c - BounceOut(d - t, 0, c, d) + b; }

}  // namespace

double vgInterpolateLinear(TvgAnimationType, double t, double b, double c, double d) { return c * t / d + b; }

double vgInterpolateQuad(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { double u = t / d; return c * u * u + b; },
      [&] { double u = t / d; return -c * u * (u - 2) + b; },
      [&] {
        double u = t / (d / 2);
        if (u < 1) return c / 2 * u * u + b;
        double v = u - 1;
        return -c / 2 * (v * (v - 2) - 1) + b;
      });
}

double vgInterpolateCubic(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { double u = t / d; return c * u * u * u + b; },
      [&] { double v = t / d - 1; return c * (v * v * v + 1) + b; },
      [&] {
        double u = t / (d / 2);
        if (u < 1) return c / 2 * u * u * u + b;
        double v = u - 2;
        return c / 2 * (v * v * v + 2) + b;
      });
}

double vgInterpolateQuart(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { double u = t / d; return c * u * u * u * u + b; },
      [&] { double v = t / d - 1; return -c * (v * v * v * v - 1) + b; },
      [&] {
        double u = t / (d / 2);
        if (u < 1) return c / 2 * u * u * u * u + b;
        double v = u - 2;
        return -c / 2 * (v * v * v * v - 2) + b;
      });
}

double vgInterpolateQuint(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { double u = t / d; return c * u * u * u * u * u + b; },
      [&] { double v = t / d - 1; return c * (v * v * v * v * v + 1) + b; },
      [&] {
        double u = t / (d / 2);
        if (u < 1) return c / 2 * u * u * u * u * u + b;
        double v = u - 2;
        return c / 2 * (v * v * v * v * v + 2) + b;
      });
}

double vgInterpolateSine(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { return -c * std::cos(t / d * (kPi / 2)) + c + b; },
      [&] { return c * std::sin(t / d * (kPi / 2)) + b; },
      [&] { return -c / 2 * (std::cos(kPi * t / d) - 1) + b; });
}

// The in-out curve ends exactly at b + c like the other two: its formula alone stops 2^-11 of
// the change short, which would leave an animation just below its stop value.
double vgInterpolateExpo(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { return t == 0 ? b : c * std::pow(2, 10 * (t / d - 1)) + b; },
      [&] { return t == d ? b + c : c * (1 - std::pow(2, -10 * t / d)) + b; },
      [&] {
        if (t == 0) return b;
        if (t == d) return b + c;
        double u = t / (d / 2);
        if (u < 1) return c / 2 * std::pow(2, 10 * (u - 1)) + b;
        return c / 2 * (2 - std::pow(2, -10 * (u - 1))) + b;
      });
}

double vgInterpolateCirc(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { double u = t / d; return -c * (std::sqrt(1 - u * u) - 1) + b; },
      [&] { double v = t / d - 1; return c * std::sqrt(1 - v * v) + b; },
      [&] {
        double u = t / (d / 2);
        if (u < 1) return -c / 2 * (std::sqrt(1 - u * u) - 1) + b;
        double v = u - 2;
        return c / 2 * (std::sqrt(1 - v * v) + 1) + b;
      });
}

double vgInterpolateElastic(TvgAnimationType type, double t, double b, double c, double d, double a, double p) {
  if (t == 0) return b;
  if (p == 0) p = type == vgAnimationInOut ? d * 0.45 : d * 0.3;
  double s;
  if (a == 0 || a < std::fabs(c)) {
    a = c;
    s = p / 4;
  } else {
    s = p / (2 * kPi) * std::asin(c / a);
  }
  return ByType(
      type,
      [&] {
        double u = t / d;
        if (u == 1) return b + c;
        double v = u - 1;
        return b - a * std::pow(2, 10 * v) * std::sin((v * d - s) * (2 * kPi) / p);
      },
      [&] {
        double u = t / d;
        if (u == 1) return b + c;
        return b + c + a * std::pow(2, -10 * u) * std::sin((u * d - s) * (2 * kPi) / p);
      },
      [&] {
        double u = t / (d / 2);
        if (u == 2) return b + c;
        double v = u - 1;
        double w = (d * v - s) * (2 * kPi) / p;
        if (u < 1) return b - 0.5 * a * std::pow(2, 10 * v) * std::sin(w);
        return b + c + 0.5 * a * std::pow(2, -10 * v) * std::sin(w);
      });
}

double vgInterpolateBack(TvgAnimationType type, double t, double b, double c, double d, double s) {
  if (s == 0) s = 1.70158;
  return ByType(
      type, [&] { double u = t / d; return c * u * u * ((s + 1) * u - s) + b; },
      [&] { double v = t / d - 1; return c * (v * v * ((s + 1) * v + s) + 1) + b; },
      [&] {
        double s2 = s * 1.525;
        double u = t / (d / 2);
        if (u < 1) return c / 2 * (u * u * ((s2 + 1) * u - s2)) + b;
        double v = u - 2;
        return c / 2 * (v * v * ((s2 + 1) * v + s2) + 2) + b;
      });
}

double vgInterpolateBounce(TvgAnimationType type, double t, double b, double c, double d) {
  return ByType(
      type, [&] { return BounceIn(t, b, c, d); }, [&] { return BounceOut(t, b, c, d); },
      [&] {
        if (t < d / 2) return BounceIn(t * 2, 0, c, d) * 0.5 + b;
        return BounceOut(t * 2 - d, 0, c, d) * 0.5 + c * 0.5 + b;
      });
}

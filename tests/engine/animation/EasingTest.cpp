#include "engine/animation/Easing.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using TCurve = std::function<double(TvgAnimationType, double t, double b, double c, double d)>;

struct NamedCurve {
  std::string name;
  TCurve curve;
};

// Every curve, the back and elastic ones with their defaults.
const std::vector<NamedCurve>& Curves() {
  static const std::vector<NamedCurve> curves = {
      {"Linear", vgInterpolateLinear},
      {"Quad", vgInterpolateQuad},
      {"Cubic", vgInterpolateCubic},
      {"Quart", vgInterpolateQuart},
      {"Quint", vgInterpolateQuint},
      {"Sine", vgInterpolateSine},
      {"Expo", vgInterpolateExpo},
      {"Circ", vgInterpolateCirc},
      {"Elastic", [](TvgAnimationType k, double t, double b, double c, double d) {
         return vgInterpolateElastic(k, t, b, c, d, 0, 0);
       }},
      {"Back", [](TvgAnimationType k, double t, double b, double c, double d) {
         return vgInterpolateBack(k, t, b, c, d, 0);
       }},
      {"Bounce", vgInterpolateBounce},
  };
  return curves;
}

const TvgAnimationType kTypes[] = {vgAnimationIn, vgAnimationOut, vgAnimationInOut};

TEST(Easing, EveryCurveStartsAtTheStartValueAndEndsAtTheEnd) {
  const double b = 2, c = 3, d = 0.5;
  for (const NamedCurve& curve : Curves())
    for (TvgAnimationType type : kTypes) {
      SCOPED_TRACE(curve.name + " type " + std::to_string(type));
      EXPECT_NEAR(curve.curve(type, 0, b, c, d), b, 1e-12);
      EXPECT_NEAR(curve.curve(type, d, b, c, d), b + c, 1e-12);
    }
}

TEST(Easing, KnownPointsAlongTheCurves) {
  struct Case {
    const char* name;
    double value;
    double expected;
  };
  const Case cases[] = {
      {"quad in", vgInterpolateQuad(vgAnimationIn, 0.5, 0, 1, 1), 0.25},
      {"quad out", vgInterpolateQuad(vgAnimationOut, 0.5, 0, 1, 1), 0.75},
      {"quad in-out, first half", vgInterpolateQuad(vgAnimationInOut, 0.25, 0, 1, 1), 0.125},
      {"cubic in", vgInterpolateCubic(vgAnimationIn, 0.5, 0, 1, 1), 0.125},
      {"cubic in-out, second half", vgInterpolateCubic(vgAnimationInOut, 0.75, 0, 1, 1), 0.9375},
      {"quart out", vgInterpolateQuart(vgAnimationOut, 0.5, 0, 1, 1), 0.9375},
      {"quint in", vgInterpolateQuint(vgAnimationIn, 0.5, 0, 1, 1), 0.03125},
      {"sine in-out, middle", vgInterpolateSine(vgAnimationInOut, 0.5, 0, 1, 1), 0.5},
      {"expo in", vgInterpolateExpo(vgAnimationIn, 0.5, 0, 1, 1), 0.03125},
      {"circ out", vgInterpolateCirc(vgAnimationOut, 0.5, 0, 1, 1), 0.8660254037844386},
      {"back in, overshoot 0 means 1.70158", vgInterpolateBack(vgAnimationIn, 0.5, 0, 1, 1, 0), -0.0876975},
      {"bounce out, first arc", vgInterpolateBounce(vgAnimationOut, 0.2, 0, 1, 1), 7.5625 * 0.04},
      {"linear ignores the type", vgInterpolateLinear(TvgAnimationType(7), 0.25, 1, 2, 1), 1.5},
      {"an unknown type gives 0", vgInterpolateQuad(TvgAnimationType(3), 0.5, 1, 1, 1), 0},
      {"start value and change", vgInterpolateCubic(vgAnimationIn, 1, 10, -4, 2), 9.5},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.value, c.expected, 1e-7) << c.name;
}

TEST(Easing, ExponentialInStartsExactlyAtTheStartValue) {
  EXPECT_EQ(vgInterpolateExpo(vgAnimationIn, 0, 5, 1, 1), 5);
  EXPECT_EQ(vgInterpolateExpo(vgAnimationInOut, 0, 5, 1, 1), 5);
  EXPECT_EQ(vgInterpolateExpo(vgAnimationInOut, 1, 5, 1, 1), 6) << "the in-out curve reaches its end exactly";
}

TEST(Easing, BounceOutStaysBetweenTheStartAndTheEnd) {
  for (int i = 0; i <= 1000; ++i) {
    double value = vgInterpolateBounce(vgAnimationOut, i / 1000.0, 3, 2, 1);
    EXPECT_GE(value, 3 - 1e-12) << i;
    EXPECT_LE(value, 5 + 1e-12) << i;
  }
}

TEST(Easing, BackAndElasticPassBeyondTheEnd) {
  auto highest = [](const std::function<double(double)>& curve) {
    double top = 0;
    for (int i = 0; i <= 100; ++i) top = std::max(top, curve(i / 100.0));
    return top;
  };
  EXPECT_GT(highest([](double t) { return vgInterpolateBack(vgAnimationOut, t, 0, 1, 1, 0); }), 1.05);
  EXPECT_GT(highest([](double t) { return vgInterpolateElastic(vgAnimationOut, t, 0, 1, 1, 0, 0); }), 1.2);
  EXPECT_GT(highest([](double t) { return vgInterpolateBack(vgAnimationOut, t, 0, 1, 1, 3); }),
            highest([](double t) { return vgInterpolateBack(vgAnimationOut, t, 0, 1, 1, 0); }))
      << "a larger overshoot goes further";
}

TEST(Easing, ElasticAmplitudeAboveTheChangeWidensTheSwing) {
  auto lowest = [](double a) {
    double low = 0;
    for (int i = 0; i <= 100; ++i) low = std::min(low, vgInterpolateElastic(vgAnimationIn, i / 100.0, 0, 1, 1, a, 0));
    return low;
  };
  EXPECT_LT(lowest(2), lowest(0));
  EXPECT_EQ(lowest(0.5), lowest(0)) << "an amplitude below the change is the change";
}

}  // namespace

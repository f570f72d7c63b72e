#include "engine/values/Spline.h"

#include <gtest/gtest.h>

namespace {
TvgPoint At(const TvgSpline& spline, float t) {
  TvgPoint p;
  spline.SplineXY(t, p.X, p.Y);
  return p;
}
}  // namespace

TEST(Spline, PassesThroughItsPoints) {
  TvgSpline spline({{0, 0}, {1, 1}, {2, 0}});
  struct Case {
    float t;
    TvgPoint p;
  } cases[] = {{0, {0, 0}}, {1, {1, 1}}, {2, {2, 0}}};
  for (const Case& c : cases) {
    TvgPoint p = At(spline, c.t);
    EXPECT_NEAR(p.X, c.p.X, 1e-5) << c.t;
    EXPECT_NEAR(p.Y, c.p.Y, 1e-5) << c.t;
  }
  TvgPoint half = At(spline, 0.5f);
  EXPECT_GT(half.X, 0);
  EXPECT_LT(half.X, 1);
  EXPECT_NEAR(At(spline, 1.5f).Y, half.Y, 1e-5);  // symmetric about t = 1
}

TEST(Spline, IsNaturalAndLinearForCollinearPoints) {
  TvgSpline spline({{0, 0}, {2, 4}, {4, 8}, {6, 12}});
  for (float t : {0.25f, 1.5f, 2.75f, -1.0f, 4.0f}) {
    TvgPoint p = At(spline, t);
    EXPECT_NEAR(p.X, 2 * t, 1e-4) << t;  // also extrapolates outside 0..3
    EXPECT_NEAR(p.Y, 4 * t, 1e-4) << t;
  }
}

TEST(Spline, FewPointsAnswerTheirPointOrTheOrigin) {
  EXPECT_EQ(At(TvgSpline({}), 0.5f), (TvgPoint{0, 0}));
  EXPECT_EQ(At(TvgSpline({{3, 4}}), 2), (TvgPoint{3, 4}));
  TvgSpline two({{0, 0}, {10, 20}});
  EXPECT_NEAR(At(two, 0.5f).X, 5, 1e-4);
  EXPECT_NEAR(At(two, 1).Y, 20, 1e-4);
}

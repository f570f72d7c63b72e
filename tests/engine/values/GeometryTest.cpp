#include "engine/values/Geometry.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const TvgRect& actual, const TvgRect& expected) {
  EXPECT_FLOAT_EQ(actual.Left, expected.Left);
  EXPECT_FLOAT_EQ(actual.Top, expected.Top);
  EXPECT_FLOAT_EQ(actual.Right, expected.Right);
  EXPECT_FLOAT_EQ(actual.Bottom, expected.Bottom);
}

TvgPoint Transform(const TvgPoint& p, const TvgMatrix& m) {
  return vgPointFromVector(vgVectorTransform(vgVectorFromPoint(p, 1), m));
}

}  // namespace

TEST(Rect, InflateOffsetAndMultiplyMoveTheEdges) {
  TvgRect r{0, 0, 10, 20};
  ExpectRect(vgInflateRect(r, 2, -3), {-2, 3, 12, 17});
  ExpectRect(vgOffsetRect(r, 1, 1), {-1, 4, 13, 18});
  ExpectRect(vgMultiplyRect(r, 2, 0.5f), {-2, 2, 26, 9});
  EXPECT_FLOAT_EQ(vgRectWidth(r), 28);
  EXPECT_FLOAT_EQ(vgRectHeight(r), 7);
}

TEST(Rect, TouchingRectsIntersectButHaveNoCommonArea) {
  TvgRect dest{1, 1, 1, 1};
  EXPECT_TRUE(vgRectsIntersect({0, 0, 10, 10}, {10, 0, 20, 10}));
  EXPECT_FALSE(vgIntersectRect(dest, {0, 0, 10, 10}, {10, 0, 20, 10}));
  ExpectRect(dest, {0, 0, 0, 0});
  EXPECT_TRUE(vgIntersectRect(dest, {0, 0, 10, 10}, {5, -5, 20, 8}));
  ExpectRect(dest, {5, 0, 10, 8});
  EXPECT_FALSE(vgRectsIntersect({0, 0, 10, 10}, {10.5f, 0, 20, 10}));
}

TEST(Rect, UnionPointInAndEmptiness) {
  ExpectRect(vgUnionRect({0, 5, 10, 10}, {-1, 6, 4, 20}), {-1, 5, 10, 20});
  EXPECT_TRUE(vgPtInRect({10, 10}, {0, 0, 10, 10}));
  EXPECT_FALSE(vgPtInRect({10.01f, 5}, {0, 0, 10, 10}));
  EXPECT_TRUE(vgIsRectEmpty({0, 0, 0, 10}));
  EXPECT_TRUE(vgIsRectEmpty({10, 0, 0, 10}));
  EXPECT_FALSE(vgIsRectEmpty({0, 0, 1, 1}));
}

TEST(Rect, PointsBoundsStartsFromTheSentinel) {
  TvgPoint points[] = {{3, 4}, {-1, 8}, {70000, 2}};
  TvgRect r;
  vgPointsBounds(points, 1, r);
  ExpectRect(r, {-1, 4, 3, 8});
  vgPointsBounds(points, -1, r);
  ExpectRect(r, {61440, 61440, -61440, -61440});
  vgPointsBounds(points, 2, r);
  ExpectRect(r, {-1, 2, 70000, 8});
  vgNormalizeRect({10, 20, 0, 5}, r);
  ExpectRect(r, {0, 5, 10, 20});
}

TEST(Rect, CenterMovesByWholeNumbers) {
  TvgRect r{100, 100, 103, 104};
  ExpectRect(vgRectCenter(r, {10, 10, 20, 20}), {14, 13, 17, 17});  // Round(3.5) = 4, Round(3) = 3
  TvgRect half{0, 0, 5, 5};
  ExpectRect(vgRectCenter(half, {0, 0, 10, 10}), {2, 2, 7, 7});  // Round(2.5) = 2: halves to even
}

TEST(Rect, FitShrinksButNeverEnlarges) {
  struct Case {
    TvgRect r, bounds, expected;
    float ratio;
  } cases[] = {
      {{0, 0, 200, 100}, {0, 0, 100, 100}, {0, 25, 100, 75}, 2},
      {{0, 0, 50, 20}, {0, 0, 100, 100}, {25, 40, 75, 60}, 0.5f},
      {{5, 5, 15, 15}, {0, 0, 0, 100}, {5, 5, 15, 15}, 1},
  };
  for (const Case& c : cases) {
    TvgRect r = c.r;
    EXPECT_FLOAT_EQ(vgRectFit(r, c.bounds), c.ratio);
    ExpectRect(r, c.expected);
  }
}

TEST(Vector, AngleIsSignedByTheCrossProduct) {
  EXPECT_NEAR(vgVectorAngle({1, 0, 1}, {0, 1, 1}), -90, 1e-4);
  EXPECT_NEAR(vgVectorAngle({0, 1, 1}, {1, 0, 1}), 90, 1e-4);
  EXPECT_FLOAT_EQ(vgVectorCos({0, 0, 1}, {1, 0, 1}), 0);
  EXPECT_NEAR(vgVectorAngle({2, 2, 1}, {4, 4, 1}), 0, 0.05);
  EXPECT_FLOAT_EQ(vgVectorLength({3, 4, 9}), 5);
  EXPECT_EQ(vgVectorSubtract({5, 5}, {2, 1}), (TvgVector{3, 4, 1}));
}

TEST(Vector, WeightOfZeroIgnoresTranslation) {
  TvgMatrix move = vgIdentityMatrix;
  move.m31 = 10;
  move.m32 = 20;
  EXPECT_EQ(vgVectorTransform({1, 2, 1}, move), (TvgVector{11, 22, 1}));
  EXPECT_EQ(vgVectorTransform({1, 2, 0}, move), (TvgVector{1, 2, 1}));
}

TEST(Matrix, ProductAppliesTheFirstMatrixFirst) {
  TvgMatrix rotate = vgCreateRotationMatrix(vgDegToRad(90));
  TvgMatrix move = vgIdentityMatrix;
  move.m31 = 10;
  TvgPoint p = Transform({1, 0}, vgMatrixMultiply(rotate, move));
  EXPECT_NEAR(p.X, 10, 1e-5);
  EXPECT_NEAR(p.Y, 1, 1e-5);
}

TEST(Matrix, InverseUndoesAndSingularGivesIdentity) {
  TvgMatrix m{2, 1, 0, -1, 3, 0, 5, 7, 1};
  TvgMatrix inverse = m;
  vgInvertMatrix(inverse);
  TvgPoint p = Transform(Transform({3, -4}, m), inverse);
  EXPECT_NEAR(p.X, 3, 1e-4);
  EXPECT_NEAR(p.Y, -4, 1e-4);
  EXPECT_FLOAT_EQ(vgMatrixDeterminant(m), 7);
  TvgMatrix zero{};
  vgInvertMatrix(zero);
  EXPECT_EQ(zero, vgIdentityMatrix);
}

TEST(Angle, NormalizeCutsWholeTurnsTowardZero) {
  struct Case {
    float in, out;
  } cases[] = {{370, 10}, {-190, 170}, {-170, -170}, {-400, -40}, {720, 0}, {359, 359}};
  for (const Case& c : cases) EXPECT_NEAR(vgNormalizeAngle(c.in), c.out, 1e-4) << c.in;
  EXPECT_FLOAT_EQ(vgRadToDeg(vgPI), 180);
  EXPECT_FLOAT_EQ(vgInterpolateSingle(10, 20, 1.5f), 25);
}

// The clip box: what a canvas skips or cuts must never lose a pixel of the clip.
#include "engine/paint/ClipBox.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TvgMatrix Moved(float x, float y) {
  TvgMatrix m = vgIdentityMatrix;
  m.m31 = x;
  m.m32 = y;
  return m;
}

TvgMatrix Scaled(float s) {
  TvgMatrix m = vgIdentityMatrix;
  m.m11 = m.m22 = s;
  return m;
}

// A 200 x 100 surface clipped to (50, 40)-(61, 51) in device pixels.
TvgClipBox SmallClip() {
  TvgClipBox box;
  box.Reset(200, 100);
  box.SetMatrix(vgIdentityMatrix);
  box.SetRects({{50, 40, 61, 51}});
  return box;
}

}  // namespace

TEST(ClipBox, WithoutAClipTheSurfaceIsReached) {
  TvgClipBox box;
  box.Reset(200, 100);
  EXPECT_TRUE(box.Reaches({10, 10, 20, 20}));
  EXPECT_TRUE(box.Reaches({-50, -50, 0, 0}));  // within the margin
  EXPECT_FALSE(box.Reaches({-50, -50, -10, -10}));
  EXPECT_FALSE(box.Reaches({250, 10, 300, 20}));
}

TEST(ClipBox, DrawingOnlyNearTheClipReachesIt) {
  const TvgClipBox box = SmallClip();
  const struct {
    TvgRect bounds;
    bool reaches;
  } cases[] = {
      {{0, 0, 200, 100}, true},   {{55, 45, 56, 46}, true}, {{10, 10, 40, 30}, false},
      {{62, 40, 70, 50}, true},   // within two pixels of the clip
      {{64, 40, 70, 50}, false},  {{50, 60, 60, 70}, false},
      {{60, 30, 50, 45}, true},   // given right to left
      {{55, 45, 55, 45}, true},   // a point inside
  };
  for (const auto& c : cases)
    EXPECT_EQ(box.Reaches(c.bounds), c.reaches) << c.bounds.Left << "," << c.bounds.Top;
}

TEST(ClipBox, TheBoxFollowsTheMatrixOfEachCall) {
  TvgClipBox box;
  box.Reset(200, 100);
  box.SetMatrix(Moved(40, 30));
  box.SetRects({{10, 10, 21, 21}});  // (50, 40)-(61, 51) on the device
  EXPECT_EQ(box.Box(), (TvgRect{50, 40, 61, 51}));
  box.SetMatrix(Scaled(2));
  EXPECT_TRUE(box.Reaches({26, 21, 28, 23}));   // (52, 42)-(56, 46)
  EXPECT_FALSE(box.Reaches({10, 10, 20, 15}));  // (20, 20)-(40, 30)
  box.Intersect({0, 0, 27, 50});                // device x below 54
  EXPECT_EQ(box.Box(), (TvgRect{50, 40, 54, 51}));
}

TEST(ClipBox, AnUnknownTransformReachesEverythingAndCutsNothing) {
  TvgClipBox box = SmallClip();
  box.ForgetMatrix();
  EXPECT_TRUE(box.Reaches({-500, -500, -400, -400}));
  EXPECT_EQ(box.Cut({0, 0, 200, 100}), (TvgRect{0, 0, 200, 100}));
  EXPECT_FALSE(box.Within({0, 0, 200, 100}));
  TvgMatrix sheared = vgIdentityMatrix;
  sheared.m13 = 0.5f;
  box.SetMatrix(sheared);
  EXPECT_TRUE(box.Reaches({-500, -500, -400, -400}));
  box.SetMatrix(vgIdentityMatrix);
  EXPECT_FALSE(box.Reaches({-500, -500, -400, -400}));
}

TEST(ClipBox, ARectIsCutToTheClipAndItsMargin) {
  TvgClipBox box = SmallClip();
  EXPECT_EQ(box.Cut({10, 10, 190, 90}), (TvgRect{48, 38, 63, 53}));
  EXPECT_EQ(box.Cut({55, 10, 58, 90}), (TvgRect{55, 38, 58, 53}));  // its own edges inside stay
  EXPECT_TRUE(vgIsRectEmpty(box.Cut({100, 10, 190, 90})));
  box.SetMatrix(Moved(10, 20));  // world (38, 18)-(53, 33) with the margin
  EXPECT_EQ(box.Cut({0, 0, 100, 100}), (TvgRect{38, 18, 53, 33}));
}

TEST(ClipBox, AnOutlineAroundTheClipKeepsOutOfIt) {
  TvgClipBox box = SmallClip();
  EXPECT_TRUE(box.Within({40, 30, 70, 60}));
  EXPECT_FALSE(box.Within({49, 30, 70, 60}));  // the margin is two pixels
  box.SetRects({});
  EXPECT_FALSE(box.Reaches({0, 0, 200, 100}));
  EXPECT_TRUE(box.Within({0, 0, 1, 1}));
  EXPECT_TRUE(vgIsRectEmpty(box.Cut({0, 0, 200, 100})));
}

TEST(ClipBox, AClipOffTheSurfaceIsEmpty) {
  TvgClipBox box;
  box.Reset(200, 100);
  box.SetRects({{300, 300, 310, 310}});
  EXPECT_TRUE(vgIsRectEmpty(box.Box()));
  EXPECT_FALSE(box.Reaches({0, 0, 1000, 1000}));
}

TEST(ClipBox, ATurnedRectIsNotCutOnlySkipped) {
  TvgClipBox box = SmallClip();
  TvgMatrix turned = vgIdentityMatrix;
  turned.m11 = turned.m22 = 0.8660254f;
  turned.m12 = 0.5f;
  turned.m21 = -0.5f;
  box.SetMatrix(turned);
  EXPECT_EQ(box.Cut({0, 0, 300, 300}), (TvgRect{0, 0, 300, 300}));
  EXPECT_FALSE(box.Reaches({-300, -300, -250, -250}));
  EXPECT_FALSE(box.AxisAligned());
}

TEST(ClipBox, OnlyOneUprightRectOfWholePixelsIsExact) {
  const struct {
    std::vector<TvgRect> rects;
    TvgMatrix matrix;
    bool exact;
  } cases[] = {
      {{{50, 40, 61, 51}}, vgIdentityMatrix, true},
      {{{50.5f, 40, 61, 51}}, vgIdentityMatrix, false},
      {{{10, 10, 21, 21}}, Moved(40, 30), true},
      {{{10, 10, 21, 21}}, Moved(40.5f, 30), false},
      {{{50, 40, 61, 51}, {70, 40, 81, 51}}, vgIdentityMatrix, false},
      {{{-10, -10, 500, 500}}, vgIdentityMatrix, true},  // the surface's part of it
  };
  for (const auto& c : cases) {
    TvgClipBox box;
    box.Reset(200, 100);
    box.SetMatrix(c.matrix);
    box.SetRects(c.rects);
    EXPECT_EQ(box.Exact(), c.exact) << c.rects.front().Left << " " << c.matrix.m31;
  }
  TvgClipBox box = SmallClip();
  box.Intersect({55, 40, 70, 60});
  EXPECT_TRUE(box.Exact());
  box.Intersect({55.5f, 40, 70, 60});
  EXPECT_FALSE(box.Exact());
  box.Reset(200, 100);
  EXPECT_TRUE(box.Exact());
  box.Loosen();
  EXPECT_FALSE(box.Exact());
}

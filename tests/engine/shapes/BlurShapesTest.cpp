// The soft shapes: the figure inset by the blur radius and blurred in a cache bitmap of the
// object's size, which is made again only when the figure, the fill or the size changes.
#include "engine/shapes/BlurShapes.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgColor kRed = 0xFFFF0000;

class BlurShapes : public ShapePixels {
protected:
  // A red soft rectangle at (20, 20), 100 x 60.
  TvgBlurRectangle* AddSoftRectangle(float softness) {
    auto* shape = Add<TvgBlurRectangle>(20, 20, 100, 60);
    shape->Fill()->SetSolidColor(kRed);
    shape->SetSoftness(softness);
    return shape;
  }
};

TEST_F(BlurShapes, TheEdgeFadesOverTwiceTheBlurRadius) {
  AddSoftRectangle(0.3f);  // radius 4
  Paint();
  const int y = 50;
  EXPECT_EQ(Alpha(19, y), 0u);
  EXPECT_GT(Alpha(20, y), 0u);
  EXPECT_LT(Alpha(20, y), 80u);
  EXPECT_GT(Alpha(24, y), 90u);
  EXPECT_LT(Alpha(24, y), 170u);
  EXPECT_EQ(Alpha(29, y), 255u);
  for (int x = 20; x < 29; ++x) EXPECT_LE(Alpha(x, y), Alpha(x + 1, y)) << x;
  EXPECT_TRUE(NearColor(At(70, 50), kRed, 0));
  EXPECT_LT(Alpha(20, 20), Alpha(20, 50)) << "corners fade on both axes";
}

TEST_F(BlurShapes, NoSoftnessDrawsTheFigureSharpThroughTheCache) {
  auto* shape = AddSoftRectangle(0);
  Paint();
  EXPECT_TRUE(NearColor(At(20, 20), kRed, 0));
  EXPECT_TRUE(NearColor(At(119, 79), kRed, 0));
  EXPECT_EQ(Alpha(19, 50), 0u);
  EXPECT_EQ(Alpha(120, 50), 0u);
  ASSERT_NE(shape->Cache().Bitmap(), nullptr);
  EXPECT_EQ(shape->Cache().Bitmap()->Width(), 100);
  EXPECT_EQ(shape->Cache().Bitmap()->Height(), 60);
}

TEST_F(BlurShapes, NewShapesAreSoftWithoutStroke) {
  TvgBlurRectangle rectangle(nullptr);
  TvgBlurRoundRect roundRect(nullptr);
  EXPECT_EQ(rectangle.Softness(), 0.3f);
  EXPECT_EQ(roundRect.Softness(), 0.3f);
  EXPECT_EQ(rectangle.Stroke()->Style(), vgBrushNone);
  EXPECT_EQ(roundRect.Stroke()->Style(), vgBrushNone);
  EXPECT_EQ(rectangle.Fill()->SolidColor(), 0xFFE0E0E0u);
  EXPECT_TRUE(rectangle.Cache().Stale());
  EXPECT_EQ(rectangle.Cache().Bitmap(), nullptr);
}

TEST_F(BlurShapes, TheCacheIsRenewedWhenTheFigureFillOrSizeChangesButNotForOpacity) {
  auto* shape = AddSoftRectangle(0.3f);
  Paint();
  const TvgBitmap* cache = shape->Cache().Bitmap();
  struct Case {
    const char* what;
    std::function<void()> change;
    bool renews;
  } cases[] = {
      {"Opacity", [&] { shape->SetOpacity(0.5f); }, false},
      {"Position", [&] { shape->Position()->SetPoint({25, 25}); }, false},
      {"Fill", [&] { shape->Fill()->SetSolidColor(0xFF00FF00); }, true},
      {"Softness", [&] { shape->SetSoftness(0.5f); }, true},
      {"xRadius", [&] { shape->SetXRadius(5); }, true},
      {"yRadius", [&] { shape->SetYRadius(5); }, true},
      {"Corners", [&] { shape->SetCorners({vgCornerTopLeft}); }, true},
      {"CornerType", [&] { shape->SetCornerType(vgCornerBevel); }, true},
  };
  for (const Case& c : cases) {
    c.change();
    EXPECT_EQ(shape->Cache().Stale(), c.renews) << c.what;
    Paint();
    EXPECT_FALSE(shape->Cache().Stale()) << c.what;
    EXPECT_EQ(shape->Cache().Bitmap(), cache) << c.what << ": the cache bitmap lives as long as the shape";
  }
  shape->SetBounds(25, 25, 80.4f, 40.6f);
  Paint();
  EXPECT_EQ(shape->Cache().Bitmap()->Width(), 80);
  EXPECT_EQ(shape->Cache().Bitmap()->Height(), 41);
}

TEST_F(BlurShapes, OpacityIsAppliedWhenTheCacheIsMadeAndAgainWhenItIsDrawn) {
  auto* shape = AddSoftRectangle(0.3f);
  shape->SetOpacity(0.5f);
  Paint();
  EXPECT_NEAR(int(Alpha(70, 50)), 64, 2);
}

TEST_F(BlurShapes, ARoundRectIsRoundedByHalfItsInnerHeight) {
  auto* shape = Add<TvgBlurRoundRect>(20, 20, 120, 60);
  shape->Fill()->SetSolidColor(kRed);
  shape->SetSoftness(0);
  Paint();
  EXPECT_TRUE(NearColor(At(80, 50), kRed, 0));
  EXPECT_TRUE(NearColor(At(50, 22), kRed, 0)) << "the straight top edge starts 30 in";
  EXPECT_EQ(Alpha(22, 22), 0u);
  EXPECT_EQ(Alpha(137, 77), 0u);
  EXPECT_TRUE(NearColor(At(21, 50), kRed, 2)) << "the round end reaches the side at mid-height";
  shape->SetCorners({vgCornerTopLeft});
  EXPECT_TRUE(shape->Cache().Stale());
  Paint();
  EXPECT_TRUE(NearColor(At(138, 78), kRed, 0)) << "a corner left out is square";
}

TEST_F(BlurShapes, ShapesOfNoSizeOrOfAnUnreasonableSizeDrawNothing) {
  auto* empty = Add<TvgBlurRectangle>(10, 10, 0.4f, 30);
  auto* huge = Add<TvgBlurRoundRect>(0, 0, 100000, 100000);
  huge->Fill()->SetSolidColor(kRed);
  Paint();
  EXPECT_EQ(InkedCount(), 0);
  EXPECT_EQ(empty->Cache().Bitmap(), nullptr);
  EXPECT_EQ(huge->Cache().Bitmap(), nullptr);
}

}  // namespace

// Path shapes: where each wrap mode places the path, the named path resources, hit testing by
// the path, the scroll arrows, and pixels through the GDI+ canvas.
#include "engine/shapes/Path.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/styles/ResourceObjects.h"
#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgColor kRed = 0xFFFF0000;

// Bounds (10, 10, 30, 20): 20 x 10.
constexpr const char* kBox = "M 10,10 L 30,10 L 30,20 Z";

class PathCalls : public ShapeCalls {
protected:
  TvgPath* AddPath(const char* data, float width = 100, float height = 40) {
    auto* path = Add<TvgPath>(0, 0, width, height);
    path->Data()->SetData(data);
    return path;
  }
  std::vector<TvgRect> Filled() const {
    std::vector<TvgRect> rects;
    for (const TShapeCall& c : canvas.Calls("FillPath")) rects.push_back(c.Rect);
    return rects;
  }
};

TEST_F(PathCalls, EachWrapModePlacesThePathInTheShapeRect) {
  struct Case {
    TvgPathWrap mode;
    TvgRect placed;
    bool clipped;
  } cases[] = {
      {vgPathOriginal, {11, 11, 31, 21}, true},
      {vgPathFit, {40, 15, 60, 25}, false},
      {vgPathStretch, {1, 1, 99, 39}, false},
  };
  for (const Case& c : cases) {
    TvgPath* path = AddPath(kBox);
    path->SetStrokeThickness(2);
    path->SetWrapMode(c.mode);
    path->SetOpacity(0.5f);
    Paint();
    ASSERT_EQ(canvas.Calls("FillPath").size(), 1u) << c.mode;
    for (const char* name : {"FillPath", "DrawPath"}) {
      const TShapeCall call = canvas.Calls(name).at(0);
      EXPECT_EQ(call.Rect, c.placed) << name << " " << c.mode;
      EXPECT_EQ(call.Path, PathPoints(*path->Data())) << name << " " << c.mode;
      EXPECT_EQ(call.Opacity, 0.5f) << name << " " << c.mode;
    }
    EXPECT_EQ(canvas.Calls("IntersectClipRect").size(), c.clipped ? 1u : 0u) << c.mode;
    path->Free();
  }
}

TEST_F(PathCalls, TilesKeepTheShapeRectsInsetBetweenThemAndAreClipped) {
  TvgPath* path = AddPath(kBox);
  path->SetStrokeThickness(2);
  path->SetWrapMode(vgPathTile);
  Paint();
  std::vector<TvgRect> expected;
  for (int column = 0; column <= 5; ++column)  // Round(100 / 20) + 1 columns
    for (int row = 0; row <= 4; ++row)         // Round(40 / 10) + 1 rows
      expected.push_back({11.0f + 22 * column, 11.0f + 12 * row, 31.0f + 22 * column, 21.0f + 12 * row});
  EXPECT_EQ(Filled(), expected);
  EXPECT_EQ(canvas.Calls("IntersectClipRect").at(0).Rect, (TvgRect{0, 0, 100, 40}));
}

TEST_F(PathCalls, APathStandingForAResourceDrawsTheResourcesPath) {
  TvgPathObject arrow(nullptr);
  arrow.SetResourceName("pathtestarrow");
  arrow.Path()->SetData("M 0,0 L 8,4 L 0,8 Z");
  TvgPath* path = AddPath("");
  path->Data()->SetResourceName("pathtestarrow");
  Paint();
  ASSERT_EQ(canvas.Calls("FillPath").size(), 1u);
  EXPECT_EQ(canvas.Calls("FillPath").at(0).Path, PathPoints(*arrow.Path()));
}

TEST_F(PathCalls, AnEmptyPathDrawsOnlyItsDesignOutline) {
  TvgPath* path = AddPath("");
  Paint();
  EXPECT_TRUE(canvas.Names().empty());
  scene.designing = true;
  path->Data()->SetData(kBox);
  Paint();
  EXPECT_EQ(canvas.Names(), (std::vector<std::string>{"FillPath", "DrawPath", "DrawRect"}));
  EXPECT_EQ(canvas.Calls("DrawRect").at(0).Stroke, 0xA0909090u);
  EXPECT_EQ(canvas.Calls("DrawRect").at(0).Dash, vgDashDash);
  path->Data()->SetData("");
  Paint();
  EXPECT_EQ(canvas.Names(), (std::vector<std::string>{"DrawRect"}));
}

TEST_F(PathCalls, SettingThePathCopiesItAndEveryChangeRepaints) {
  TvgPath* path = AddPath(kBox);
  TvgPathData given;
  given.SetData("M 0,0 L 5,5");
  scene.updateRects.clear();
  path->SetPathData(&given);
  EXPECT_FALSE(scene.updateRects.empty());
  EXPECT_EQ(PathPoints(*path->Data()), PathPoints(given));
  EXPECT_NE(path->Data(), &given);
  scene.updateRects.clear();
  path->SetWrapMode(vgPathTile);
  EXPECT_FALSE(scene.updateRects.empty());
  scene.updateRects.clear();
  path->SetWrapMode(vgPathTile);
  EXPECT_TRUE(scene.updateRects.empty());
}

TEST(ScrollArrows, HoldFittedTrianglesPointingLeftAndRight) {
  TvgScrollArrowLeft left(nullptr);
  TvgScrollArrowRight right(nullptr);
  EXPECT_EQ(left.WrapMode(), vgPathFit);
  EXPECT_EQ(right.WrapMode(), vgPathFit);
  EXPECT_EQ(left.Data()->Data(), "M 100,0 L 100,100 L 0,50 L 100,0 Z ");
  EXPECT_EQ(right.Data()->Data(), "M 0,0 L 0,100 L 100,50 Z ");
  TvgPath path(nullptr);
  EXPECT_EQ(path.WrapMode(), vgPathStretch);
}

// --- Hit tests and pixels ------------------------------------------------------------------

class PathPixels : public ShapePixels {
protected:
  // A triangle over the top-left half of a 100 x 100 object at (20, 20).
  TvgPath* AddTriangle() {
    auto* path = Add<TvgPath>(20, 20, 100, 100);
    path->Data()->SetData("M 0,0 L 50,0 L 0,50 Z");
    path->Stroke()->SetStyle(vgBrushNone);
    return path;
  }
};

TEST_F(PathPixels, TheHitTestUsesThePathStretchedIntoTheShapeRectInEveryWrapMode) {
  TvgPath* path = AddTriangle();
  for (TvgPathWrap mode : {vgPathOriginal, vgPathFit, vgPathStretch, vgPathTile}) {
    path->SetWrapMode(mode);
    EXPECT_TRUE(path->PointInObject(40, 40)) << mode;
    EXPECT_TRUE(path->PointInObject(100, 30)) << mode;
    EXPECT_FALSE(path->PointInObject(100, 100)) << mode;
    EXPECT_FALSE(path->PointInObject(10, 10)) << mode;
  }
}

TEST_F(PathPixels, InDesignModeAnUnlockedPathIsHitAnywhereInItsRect) {
  TvgPath* path = AddTriangle();
  scene->designing = true;
  EXPECT_TRUE(path->PointInObject(100, 100));
  path->SetLocked(true);
  EXPECT_FALSE(path->PointInObject(100, 100));
  path->SetLocked(false);
  path->Data()->SetData("M 5,5");
  scene->designing = false;
  EXPECT_TRUE(path->PointInObject(100, 100)) << "a path of one point falls back to the rect";
}

TEST_F(PathPixels, AStretchedPathFillsItsShapeRect) {
  TvgPath* path = AddTriangle();
  SetSolid(path->Fill(), kRed);
  Paint();
  EXPECT_TRUE(NearColor(At(30, 30), kRed, 0));
  EXPECT_TRUE(NearColor(At(110, 22), kRed, 0));
  EXPECT_EQ(Alpha(110, 110), 0u);
  EXPECT_EQ(InkBounds(), (TvgRect{20, 20, 120, 120}));
}

TEST_F(PathPixels, TiledPathsRepeatAtTheirOwnSizeWithinTheObject) {
  TvgPath* path = AddTriangle();
  SetSolid(path->Fill(), kRed);
  path->SetWrapMode(vgPathTile);
  Paint();
  for (int x : {22, 72}) EXPECT_TRUE(NearColor(At(x, 22), kRed, 0)) << x;
  for (int x : {22, 72}) EXPECT_TRUE(NearColor(At(x, 72), kRed, 0)) << x;
  EXPECT_EQ(Alpha(66, 66), 0u);
  EXPECT_EQ(InkBounds(), (TvgRect{20, 20, 120, 120}));
}

TEST_F(PathPixels, ALeftArrowPointsLeft) {
  auto* arrow = Add<TvgScrollArrowLeft>(20, 20, 40, 40);
  SetSolid(arrow->Fill(), kRed);
  arrow->Stroke()->SetStyle(vgBrushNone);
  Paint();
  EXPECT_TRUE(NearColor(At(58, 22), kRed, 4));
  EXPECT_TRUE(NearColor(At(22, 40), kRed, 60));
  EXPECT_EQ(Alpha(22, 22), 0u);
}

TEST_F(PathPixels, PathsWithoutAreaDrawNothingAndTinyTilesDoNotHang) {
  std::vector<std::pair<const char*, TvgPathWrap>> cases;
  for (const char* data : {"", "M 5,5", "M 0,0 L 0,30"})
    for (TvgPathWrap mode : {vgPathOriginal, vgPathFit, vgPathStretch, vgPathTile}) cases.push_back({data, mode});
  cases.push_back({"M 0,0 L 0.0001,0.0001 L 0,0.0001 Z", vgPathTile});  // a trillion tiles in its rect
  for (const auto& [data, mode] : cases) {
    auto* path = Add<TvgPath>(0, 0, 100, 100);
    path->Data()->SetData(data);
    path->Stroke()->SetStyle(vgBrushNone);
    path->SetWrapMode(mode);
  }
  Paint();
  EXPECT_EQ(InkedCount(), 0);
}

}  // namespace

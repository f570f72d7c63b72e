// The outline of a rectangle with chosen sides, shaped corners and a callout pointer, and the
// canvas's side outline that strokes it.
#include "engine/paint/RectOutline.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/paint/PathData.h"
#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgCorners kNoCorners{};
constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
constexpr TvgSides kAllSides{vgSideTop, vgSideLeft, vgSideBottom, vgSideRight};

// One drawn piece of a path: a line (C1, C2 unused) or a curve.
struct TSegment {
  bool Curve = false;
  TvgPoint From, C1, C2, To;
  bool operator==(const TSegment&) const = default;
};

TSegment Line(TvgPoint from, TvgPoint to) { return {false, from, {}, {}, to}; }
TSegment Curve(TvgPoint from, TvgPoint c1, TvgPoint c2, TvgPoint to) { return {true, from, c1, c2, to}; }

std::ostream& operator<<(std::ostream& out, const TSegment& s) {
  out << (s.Curve ? "curve " : "line ") << "(" << s.From.X << "," << s.From.Y << ")";
  if (s.Curve) out << " (" << s.C1.X << "," << s.C1.Y << ") (" << s.C2.X << "," << s.C2.Y << ")";
  return out << " -> (" << s.To.X << "," << s.To.Y << ")";
}

// What a stroke of the path draws: its lines and curves, leaving out moves and lines of no
// length.
std::vector<TSegment> Drawn(const TvgPathData& path) {
  std::vector<TSegment> segments;
  TvgPoint current;
  for (int i = 0; i < path.Count(); ++i) {
    const TvgPathPoint& p = path.Points(i);
    switch (p.Kind) {
      case vgPathPointMoveTo: break;
      case vgPathPointCurveTo:
        segments.push_back(Curve(current, p.Point, path.Points(i + 1).Point, path.Points(i + 2).Point));
        i += 2;
        break;
      default:
        if (!(p.Point == current)) segments.push_back(Line(current, p.Point));
    }
    current = path.Points(i).Point;
  }
  return segments;
}

std::vector<TSegment> Outline(const TvgRect& rect, float rx, float ry, TvgCorners corners, TvgSides sides,
                              TvgCornerType type = vgCornerRound, const TvgCallout* callout = nullptr) {
  TvgPathData path;
  vgAddRectOutline(path, rect, rx, ry, corners, sides, type, callout);
  return Drawn(path);
}

TEST(RectOutline, StartsAndEndsBelowTheTopLeftCorner) {
  TvgPathData path;
  vgAddRectOutline(path, {0, 0, 100, 50}, 10, 10, kAllCorners, kAllSides, vgCornerRound);
  EXPECT_EQ(path.Points(0).Kind, vgPathPointMoveTo);
  EXPECT_EQ(path.Points(0).Point, (TvgPoint{0, 10}));
  EXPECT_EQ(path.LastPoint(), (TvgPoint{0, 10}));
}

TEST(RectOutline, SquareCornersTraceTheFourSidesClockwise) {
  EXPECT_EQ(Outline({0, 0, 100, 50}, 0, 0, kNoCorners, kAllSides),
            (std::vector<TSegment>{Line({0, 0}, {100, 0}), Line({100, 0}, {100, 50}), Line({100, 50}, {0, 50}),
                                   Line({0, 50}, {0, 0})}));
}

TEST(RectOutline, MissingSidesAreMovesSoTheOutlineStaysOpen) {
  struct Case {
    TvgSides sides;
    std::vector<TSegment> drawn;
  } cases[] = {
      {{vgSideTop}, {Line({0, 0}, {100, 0})}},
      {{vgSideLeft}, {Line({0, 50}, {0, 0})}},
      {{vgSideTop, vgSideBottom}, {Line({0, 0}, {100, 0}), Line({100, 50}, {0, 50})}},
      {{vgSideRight, vgSideBottom}, {Line({100, 0}, {100, 50}), Line({100, 50}, {0, 50})}},
      {{}, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Outline({0, 0, 100, 50}, 0, 0, kNoCorners, c.sides), c.drawn) << "sides " << c.sides.Bits();
}

// The top-left corner with rx 20 and ry 10; the others are its mirror images.
TEST(RectOutline, CornersAreShapedByTheirType) {
  struct Case {
    TvgCornerType type;
    std::vector<TSegment> corner;
  } cases[] = {
      {vgCornerRound, {Curve({0, 10}, {0, 5}, {10, 0}, {20, 0})}},
      {vgCornerBevel, {Line({0, 10}, {20, 0})}},
      {vgCornerInnerRound, {Curve({0, 10}, {10, 10}, {20, 5}, {20, 0})}},
      {vgCornerInnerLine, {Line({0, 10}, {10, 10}), Line({10, 10}, {20, 5}), Line({20, 5}, {20, 0})}},
  };
  for (const Case& c : cases) {
    std::vector<TSegment> drawn = Outline({0, 0, 100, 50}, 20, 10, {vgCornerTopLeft}, kAllSides, c.type);
    ASSERT_GT(drawn.size(), c.corner.size());
    EXPECT_EQ(std::vector<TSegment>(drawn.begin(), drawn.begin() + long(c.corner.size())), c.corner)
        << "type " << c.type;
    EXPECT_EQ(drawn[c.corner.size()], Line({20, 0}, {80, 0})) << "then the top edge";
  }
}

TEST(RectOutline, EveryShapedCornerMirrorsTheTopLeftOne) {
  EXPECT_EQ(Outline({0, 0, 100, 50}, 20, 10, kAllCorners, kAllSides),
            (std::vector<TSegment>{Curve({0, 10}, {0, 5}, {10, 0}, {20, 0}), Line({20, 0}, {80, 0}),
                                   Curve({80, 0}, {90, 0}, {100, 5}, {100, 10}), Line({100, 10}, {100, 40}),
                                   Curve({100, 40}, {100, 45}, {90, 50}, {80, 50}), Line({80, 50}, {20, 50}),
                                   Curve({20, 50}, {10, 50}, {0, 45}, {0, 40}), Line({0, 40}, {0, 10})}));
}

TEST(RectOutline, ShapedCornersAreDrawnBesideMissingSides) {
  std::vector<TSegment> drawn = Outline({0, 0, 100, 50}, 10, 10, kAllCorners, {vgSideTop});
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[1], Line({10, 0}, {90, 0}));
  for (size_t i : {0u, 2u, 3u, 4u}) EXPECT_TRUE(drawn[i].Curve) << i;
}

TEST(RectOutline, RadiiThatDoNotFitAreHalvedToTheSide) {
  std::vector<TSegment> drawn = Outline({0, 0, 100, 50}, 80, 40, {vgCornerTopLeft}, kAllSides);
  EXPECT_EQ(drawn.front(), Curve({0, 25}, {0, 12.5f}, {25, 0}, {50, 0}));
}

// A 100 x 50 rect whose pointer side gave up 11 units: the pointer is 23 wide and reaches 11 out.
TEST(RectOutline, ThePointerSitsInItsSideInTheDirectionOfTravel) {
  struct Case {
    TvgCalloutPosition position;
    float offset;
    TvgRect body;
    TSegment intoBase, toTip, fromTip;
  } cases[] = {
      {vgCalloutTop, 0, {0, 11, 100, 50}, Line({0, 11}, {38.5f, 11}), Line({38.5f, 11}, {50, 0}),
       Line({50, 0}, {61.5f, 11})},
      {vgCalloutTop, 10, {0, 11, 100, 50}, Line({0, 11}, {10, 11}), Line({10, 11}, {21.5f, 0}),
       Line({21.5f, 0}, {33, 11})},
      {vgCalloutTop, -10, {0, 11, 100, 50}, Line({0, 11}, {67, 11}), Line({67, 11}, {78.5f, 0}),
       Line({78.5f, 0}, {90, 11})},
      {vgCalloutBottom, 0, {0, 0, 100, 39}, Line({100, 39}, {61.5f, 39}), Line({61.5f, 39}, {50, 50}),
       Line({50, 50}, {38.5f, 39})},
      {vgCalloutRight, 5, {0, 0, 89, 50}, Line({89, 0}, {89, 5}), Line({89, 5}, {100, 16.5f}),
       Line({100, 16.5f}, {89, 28})},
      {vgCalloutRight, -5, {0, 0, 89, 50}, Line({89, 0}, {89, 22}), Line({89, 22}, {100, 33.5f}),
       Line({100, 33.5f}, {89, 45})},
      {vgCalloutLeft, 0, {11, 0, 100, 50}, Line({11, 50}, {11, 36.5f}), Line({11, 36.5f}, {0, 25}),
       Line({0, 25}, {11, 13.5f})},
      {vgCalloutLeft, -5, {11, 0, 100, 50}, Line({11, 50}, {11, 45}), Line({11, 45}, {0, 33.5f}),
       Line({0, 33.5f}, {11, 22})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "position " << c.position << ", offset " << c.offset);
    TvgCallout callout{c.position, 23, 11, c.offset};
    std::vector<TSegment> drawn = Outline(c.body, 0, 0, kNoCorners, kAllSides, vgCornerRound, &callout);
    auto tip = std::find(drawn.begin(), drawn.end(), c.toTip);
    ASSERT_NE(tip, drawn.end());
    ASSERT_NE(tip, drawn.begin());
    EXPECT_EQ(*(tip - 1), c.intoBase);
    ASSERT_NE(tip + 1, drawn.end());
    EXPECT_EQ(*(tip + 1), c.fromTip);
    EXPECT_EQ(drawn.size(), 7u);  // three sides, the side cut in two and the pointer's two edges
  }
}

TEST(RectOutline, APointerOnAMissingSideIsLeftOut) {
  TvgCallout callout{vgCalloutTop, 23, 11, 0};
  EXPECT_EQ(Outline({0, 11, 100, 50}, 0, 0, kNoCorners, {vgSideBottom}, vgCornerRound, &callout),
            (std::vector<TSegment>{Line({100, 50}, {0, 50})}));
}

// --- The canvas's side outline -------------------------------------------------------------

TEST(RectOutline, TheCanvasStrokesTheOutlineWhereItsCoordinatesSay) {
  TShapeLogCanvas canvas;
  canvas.DrawRectSides({10, 20, 110, 70}, 5, 5, kAllCorners, 0.5f, {vgSideLeft, vgSideRight}, vgCornerBevel);
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"DrawPath"}));
  const TShapeCall& call = canvas.calls.back();
  TvgPathData expected;
  vgAddRectOutline(expected, {10, 20, 110, 70}, 5, 5, kAllCorners, {vgSideLeft, vgSideRight}, vgCornerBevel);
  EXPECT_EQ(call.Path, PathPoints(expected));
  EXPECT_EQ(call.Rect, (TvgRect{10, 20, 110, 70}));
  EXPECT_EQ(call.Opacity, 0.5f);
}

class RectOutlinePixels : public ShapePixels {};

TEST_F(RectOutlinePixels, OnlyTheChosenSidesAreStroked) {
  SetSolid(canvas->Stroke(), 0xFF0000FF);
  canvas->StrokeThickness = 2;
  canvas->SetMatrix(vgIdentityMatrix);
  canvas->DrawRectSides({20, 20, 120, 80}, 0, 0, kNoCorners, 1, {vgSideTop, vgSideBottom}, vgCornerRound);
  EXPECT_TRUE(NearColor(At(70, 20), 0xFF0000FF, 2));
  EXPECT_TRUE(NearColor(At(70, 79), 0xFF0000FF, 2));
  EXPECT_EQ(Alpha(20, 50), 0u);
  EXPECT_EQ(Alpha(119, 50), 0u);
  EXPECT_EQ(Alpha(70, 50), 0u);
}

}  // namespace

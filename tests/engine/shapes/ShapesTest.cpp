// The shapes: the calls each makes of the canvas (shape rect, stroke settings, figures), their hit
// tests, what their setters change, and their pixels through the GDI+ canvas in a scene.
#include "engine/shapes/Shapes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ShapeFixture.h"

namespace {

constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};
constexpr TvgColor kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// --- Shape rect and stroke settings --------------------------------------------------------

TEST_F(ShapeCalls, WithoutAStrokeTheFigureFillsTheLocalRectWithAThickStrokeItIsInsetByHalf) {
  struct Case {
    TvgBrushStyle stroke;
    float thickness;
    TvgRect figure;
  } cases[] = {
      {vgBrushNone, 4, {0, 0, 100, 60}},
      {vgBrushSolid, 4, {2, 2, 98, 58}},
      {vgBrushSolid, 1, {0.5f, 0.5f, 99.5f, 59.5f}},
  };
  for (const Case& c : cases) {
    auto* rectangle = Add<TvgRectangle>(0, 0, 100, 60);
    auto* ellipse = Add<TvgEllipse>(0, 0, 100, 60);
    for (TvgShape* shape : {static_cast<TvgShape*>(rectangle), static_cast<TvgShape*>(ellipse)}) {
      shape->Stroke()->SetStyle(c.stroke);
      shape->SetStrokeThickness(c.thickness);
      EXPECT_EQ(shape->GetShapeRect(), c.figure);
    }
    Paint();
    EXPECT_EQ(canvas.Calls("FillRect").at(0).Rect, c.figure) << c.stroke << " " << c.thickness;
    EXPECT_EQ(canvas.Calls("FillEllipse").at(0).Rect, c.figure) << c.stroke << " " << c.thickness;
    rectangle->Free();
    ellipse->Free();
  }
}

TEST_F(ShapeCalls, TheShapesBrushesAndStrokeSettingsReachTheCanvasForItsPaintOnly) {
  auto* shape = Add<TvgRectangle>(0, 0, 50, 50);
  SetSolid(shape->Fill(), kRed);
  SetSolid(shape->Stroke(), kBlue);
  shape->SetStrokeThickness(3);
  shape->SetStrokeDash(vgDashDot);
  shape->SetStrokeCap(vgCapRound);
  shape->SetStrokeJoin(vgJoinBevel);
  Paint();
  const TShapeCall fill = canvas.Calls("FillRect").at(0), stroke = canvas.Calls("DrawRect").at(0);
  EXPECT_EQ(fill.Fill, kRed);
  EXPECT_EQ(stroke.Stroke, kBlue);
  EXPECT_EQ(stroke.Thickness, 3);
  EXPECT_EQ(stroke.Dash, vgDashDot);
  EXPECT_EQ(canvas.StrokeCap, vgCapRound);
  EXPECT_EQ(canvas.StrokeJoin, vgJoinBevel);
  // Afterwards the dash and the thickness are back to what every other object expects.
  EXPECT_EQ(canvas.StrokeDash(), vgDashSolid);
  EXPECT_TRUE(canvas.DashArray.empty());
  EXPECT_EQ(canvas.StrokeThickness, 1);
}

TEST_F(ShapeCalls, FiguresArePaintedAtTheAbsoluteOpacity) {
  root->SetOpacity(0.5f);
  auto* shape = Add<TvgEllipse>(0, 0, 50, 50);
  shape->SetOpacity(0.5f);
  Paint();
  EXPECT_FLOAT_EQ(canvas.Calls("FillEllipse").at(0).Opacity, 0.25f);
  EXPECT_FLOAT_EQ(canvas.Calls("DrawEllipse").at(0).Opacity, 0.25f);
}

TEST_F(ShapeCalls, NewShapesHaveALightGreyFillAndABlackOneUnitStroke) {
  TvgRectangle shape(nullptr);
  EXPECT_EQ(shape.Fill()->Style(), vgBrushSolid);
  EXPECT_EQ(shape.Fill()->SolidColor(), 0xFFE0E0E0u);
  EXPECT_EQ(shape.Stroke()->SolidColor(), 0xFF000000u);
  EXPECT_EQ(shape.StrokeThickness(), 1);
  TvgArc arc(nullptr);
  EXPECT_EQ(arc.Fill()->Style(), vgBrushNone);
  EXPECT_EQ(arc.Fill()->SolidColor(), 0u);
}

// --- Setters -------------------------------------------------------------------------------

TEST_F(ShapeCalls, SettersRepaintOnlyForANewValue) {
  auto* shape = Add<TvgRectangle>(10, 10, 50, 50);
  struct Case {
    const char* what;
    std::function<void()> set;
  } cases[] = {
      {"StrokeThickness", [&] { shape->SetStrokeThickness(2); }},
      {"StrokeDash", [&] { shape->SetStrokeDash(vgDashDash); }},
      {"StrokeCap", [&] { shape->SetStrokeCap(vgCapRound); }},
      {"StrokeJoin", [&] { shape->SetStrokeJoin(vgJoinRound); }},
      {"xRadius", [&] { shape->SetXRadius(4); }},
      {"yRadius", [&] { shape->SetYRadius(4); }},
      {"Corners", [&] { shape->SetCorners({vgCornerTopLeft}); }},
      {"CornerType", [&] { shape->SetCornerType(vgCornerBevel); }},
      {"Sides", [&] { shape->SetSides({vgSideTop}); }},
      {"Fill", [&] { shape->Fill()->SetSolidColor(kRed); }},
      {"Stroke", [&] { shape->Stroke()->SetSolidColor(kBlue); }},
  };
  for (const Case& c : cases) {
    scene.updateRects.clear();
    c.set();
    EXPECT_EQ(scene.updateRects, (std::vector<TvgRect>{{10, 10, 60, 60}})) << c.what;
    scene.updateRects.clear();
    c.set();
    EXPECT_TRUE(scene.updateRects.empty()) << c.what << " again";
  }
}

TEST_F(ShapeCalls, BrushChangesInsideAnUpdateRepaintNothing) {
  auto* shape = Add<TvgRectangle>(10, 10, 50, 50);
  shape->BeginUpdate();
  scene.updateRects.clear();
  shape->Fill()->SetSolidColor(kRed);
  shape->Stroke()->SetSolidColor(kBlue);
  EXPECT_TRUE(scene.updateRects.empty());
  shape->EndUpdate();
}

TEST_F(ShapeCalls, SettingABrushCopiesIt) {
  auto* shape = Add<TvgEllipse>(0, 0, 50, 50);
  TvgBrush given(vgBrushSolid, kRed);
  shape->SetFill(&given);
  given.SetSolidColor(kBlue);
  EXPECT_EQ(shape->Fill()->SolidColor(), kRed);
  EXPECT_NE(shape->Fill(), &given);
}

// --- Figures -------------------------------------------------------------------------------

TEST_F(ShapeCalls, LinesRunAlongTheShapeRectByTheirType) {
  struct Case {
    TvgLineType type;
    TvgPoint from, to;
  } cases[] = {
      {vgLineNormal, {0.5f, 0.5f}, {99.5f, 39.5f}},
      {vgLineHorizontal, {0.5f, 0.5f}, {99.5f, 0.5f}},
      {vgLineVertical, {0.5f, 0.5f}, {0.5f, 39.5f}},
  };
  for (const Case& c : cases) {
    auto* line = Add<TvgLine>(0, 0, 100, 40);
    line->SetLineType(c.type);
    Paint();
    ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"DrawLine"})) << c.type;
    EXPECT_EQ(canvas.calls.back().P1, c.from) << c.type;
    EXPECT_EQ(canvas.calls.back().P2, c.to) << c.type;
    line->Free();
  }
}

TEST_F(ShapeCalls, ACircleIsTheLargestCircleCentredInTheShapeRect) {
  struct Case {
    float width, height;
    TvgRect circle;
  } cases[] = {
      {100, 40, {30.5f, 0.5f, 69.5f, 39.5f}},
      {40, 100, {0.5f, 30.5f, 39.5f, 69.5f}},
      {50, 50, {0.5f, 0.5f, 49.5f, 49.5f}},
  };
  for (const Case& c : cases) {
    auto* circle = Add<TvgCircle>(0, 0, c.width, c.height);
    Paint();
    EXPECT_EQ(canvas.Calls("FillEllipse").at(0).Rect, c.circle) << c.width << " x " << c.height;
    EXPECT_EQ(canvas.Calls("DrawEllipse").at(0).Rect, c.circle) << c.width << " x " << c.height;
    circle->Free();
  }
}

TEST_F(ShapeCalls, AnArcSweepsItsEndAngleAndAPieTheDifference) {
  auto* arc = Add<TvgArc>(0, 0, 101, 61);
  arc->SetStartAngle(30);
  arc->SetEndAngle(60);
  Paint();
  TvgPathData arcPath;
  arcPath.AddArc({50.5f, 30.5f}, {50, 30}, 30, 60);
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"FillPath", "DrawPath"}));
  EXPECT_EQ(canvas.calls.back().Path, PathPoints(arcPath));
  EXPECT_EQ(canvas.calls.back().Rect, arcPath.GetBounds());
  arc->Free();

  auto* pie = Add<TvgPie>(0, 0, 101, 61);
  pie->SetStartAngle(30);
  pie->SetEndAngle(60);
  Paint();
  TvgPathData piePath;
  piePath.MoveTo({50.5f, 30.5f});
  piePath.AddArc({50.5f, 30.5f}, {50, 30}, 30, 30);
  piePath.LineTo({50.5f, 30.5f});
  piePath.ClosePath();
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"FillPath", "DrawPath"}));
  EXPECT_EQ(canvas.Calls("FillPath").at(0).Path, PathPoints(piePath));
  EXPECT_EQ(canvas.Calls("FillPath").at(0).Rect, piePath.GetBounds());
}

TEST_F(ShapeCalls, ARectangleWithAllSidesFillsAndOutlinesItsShapedFigure) {
  auto* shape = Add<TvgRectangle>(0, 0, 80, 40);
  shape->SetXRadius(6);
  shape->SetYRadius(4);
  shape->SetCorners({vgCornerTopLeft, vgCornerBottomRight});
  shape->SetCornerType(vgCornerInnerRound);
  shape->SetOpacity(0.5f);
  Paint();
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"FillRect", "DrawRect"}));
  for (const TShapeCall& c : canvas.calls) {
    if (c.Name != "FillRect" && c.Name != "DrawRect") continue;
    EXPECT_EQ(c.Rect, (TvgRect{0.5f, 0.5f, 79.5f, 39.5f}));
    EXPECT_EQ(c.XRadius, 6);
    EXPECT_EQ(c.YRadius, 4);
    EXPECT_EQ(c.Corners, (TvgCorners{vgCornerTopLeft, vgCornerBottomRight}));
    EXPECT_EQ(c.CornerType, vgCornerInnerRound);
    EXPECT_EQ(c.Opacity, 0.5f);
  }
}

TEST_F(ShapeCalls, MissingSidesWidenTheFillAndAreNotOutlined) {
  struct Case {
    TvgSides sides;
    TvgRect fill;
  } cases[] = {
      {{vgSideTop}, {0, 2, 80, 40}},
      {{vgSideLeft, vgSideRight}, {2, 0, 78, 40}},
      {{}, {0, 0, 80, 40}},
  };
  for (const Case& c : cases) {
    auto* shape = Add<TvgRectangle>(0, 0, 80, 40);
    shape->SetStrokeThickness(4);
    shape->SetSides(c.sides);
    Paint();
    ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"FillRect", "DrawPath"})) << c.sides.Bits();
    EXPECT_EQ(canvas.Calls("FillRect").at(0).Rect, c.fill) << c.sides.Bits();
    TvgPathData outline;
    vgAddRectOutline(outline, {2, 2, 78, 38}, 0, 0, kAllCorners, c.sides, vgCornerRound);
    EXPECT_EQ(canvas.calls.back().Path, PathPoints(outline)) << c.sides.Bits();
    shape->Free();
  }
}

TEST_F(ShapeCalls, ARoundRectIsRoundedByHalfItsShorterSide) {
  struct Case {
    float width, height, radius;
  } cases[] = {{100, 40, 19.5f}, {40, 100, 19.5f}, {50, 50, 24.5f}};
  for (const Case& c : cases) {
    auto* shape = Add<TvgRoundRect>(0, 0, c.width, c.height);
    shape->SetCorners({vgCornerTopLeft});
    Paint();
    for (const char* name : {"FillRect", "DrawRect"}) {
      const TShapeCall call = canvas.Calls(name).at(0);
      EXPECT_EQ(call.XRadius, c.radius) << name << " " << c.width << " x " << c.height;
      EXPECT_EQ(call.YRadius, c.radius) << name;
      EXPECT_EQ(call.Corners, TvgCorners{vgCornerTopLeft}) << name;
      EXPECT_EQ(call.CornerType, vgCornerRound) << name;
    }
    shape->Free();
  }
}

TEST_F(ShapeCalls, ADefaultCalloutPointsUpFromTheMiddleOfItsBody) {
  auto* callout = Add<TvgCalloutRectangle>(0, 0, 100, 50);
  callout->Stroke()->SetStyle(vgBrushNone);
  Paint();
  ASSERT_EQ(canvas.Names(), (std::vector<std::string>{"FillPath", "DrawPath"}));
  TvgPathData expected;
  TvgCallout pointer{vgCalloutTop, 23, 11, 0};
  vgAddRectOutline(expected, {0, 11, 100, 50}, 0, 0, kAllCorners, vgAllSides, vgCornerRound, &pointer);
  EXPECT_EQ(canvas.Calls("FillPath").at(0).Path, PathPoints(expected));
  EXPECT_EQ(canvas.Calls("FillPath").at(0).Rect, (TvgRect{0, 0, 100, 50}));
  EXPECT_EQ(PathPoints(*callout->Outline()), PathPoints(expected));
}

TEST_F(ShapeCalls, TheCalloutBodyGivesUpThePointersLengthAndWidensForMissingSides) {
  auto* callout = Add<TvgCalloutRectangle>(0, 0, 100, 50);
  callout->SetStrokeThickness(2);
  callout->SetSides({vgSideTop, vgSideLeft, vgSideRight});
  callout->SetCalloutPosition(vgCalloutLeft);
  callout->SetCalloutLength(8);
  callout->SetCalloutWidth(10);
  callout->SetCalloutOffset(4);
  TvgPathData expected;
  TvgCallout pointer{vgCalloutLeft, 10, 8, 4};
  vgAddRectOutline(expected, {9, 1, 99, 50}, 0, 0, kAllCorners, {vgSideTop, vgSideLeft, vgSideRight},
                   vgCornerRound, &pointer);
  EXPECT_EQ(PathPoints(*callout->Outline()), PathPoints(expected)) << "rebuilt by the setters";
}

// --- Hit tests -----------------------------------------------------------------------------

TEST_F(ShapeCalls, AnEllipseIsHitInsideTheEllipseOfItsWholeRect) {
  auto* ellipse = Add<TvgEllipse>(10, 20, 100, 50);
  auto* circle = Add<TvgCircle>(10, 20, 100, 50);
  struct Case {
    TvgPoint point;  // in the root's coordinates
    bool inside;
  } cases[] = {{{60, 45}, true}, {{11, 45}, true}, {{109.9f, 45}, true}, {{60, 20.2f}, true},
               {{12, 22}, false}, {{108, 68}, false}, {{5, 45}, false}, {{60, 71}, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(ellipse->PointInObject(c.point.X, c.point.Y), c.inside) << c.point.X << "," << c.point.Y;
    EXPECT_EQ(circle->PointInObject(c.point.X, c.point.Y), c.inside) << "circle " << c.point.X << "," << c.point.Y;
  }
  ellipse->SetBounds(10, 20, 0, 50);
  EXPECT_FALSE(ellipse->PointInObject(10, 45));
}

TEST(ShapeHitTest, APieWithoutACanvasIsHitLikeItsEllipse) {
  TvgPie pie(nullptr);
  pie.SetBounds(0, 0, 100, 100);
  EXPECT_TRUE(pie.PointInObject(20, 80));  // outside the slice, inside the ellipse
  EXPECT_FALSE(pie.PointInObject(2, 2));
}

// --- Pixels --------------------------------------------------------------------------------

class ShapesPixels : public ShapePixels {};

TEST_F(ShapesPixels, ARectangleFillsInsideItsStroke) {
  auto* shape = Add<TvgRectangle>(20, 20, 100, 60);
  SetSolid(shape->Fill(), kRed);
  SetSolid(shape->Stroke(), kBlue);
  shape->SetStrokeThickness(4);
  Paint();
  EXPECT_TRUE(NearColor(At(70, 50), kRed, 0));
  EXPECT_TRUE(NearColor(At(70, 21), kBlue, 2));
  EXPECT_TRUE(NearColor(At(21, 50), kBlue, 2));
  EXPECT_EQ(Alpha(70, 19), 0u);
  EXPECT_EQ(Alpha(70, 80), 0u);
}

TEST_F(ShapesPixels, ARectangleWithOneSideStrokesOnlyThatSideAndFillsToTheOtherEdges) {
  auto* shape = Add<TvgRectangle>(20, 20, 100, 60);
  SetSolid(shape->Fill(), kRed);
  SetSolid(shape->Stroke(), kBlue);
  shape->SetStrokeThickness(4);
  shape->SetSides({vgSideTop});
  Paint();
  EXPECT_TRUE(NearColor(At(70, 21), kBlue, 2));
  for (TvgPoint edge : {TvgPoint{20, 50}, TvgPoint{119, 50}, TvgPoint{70, 79}})
    EXPECT_TRUE(NearColor(At(int(edge.X), int(edge.Y)), kRed, 2)) << edge.X << "," << edge.Y;
}

TEST_F(ShapesPixels, FiguresCoverTheirOwnArea) {
  struct Case {
    const char* what;
    std::function<TvgShape*()> make;
    std::vector<TvgPoint> inked, empty;
  } cases[] = {
      {"ellipse", [&] { return Add<TvgEllipse>(20, 20, 100, 60); }, {{70, 50}, {22, 50}}, {{22, 22}, {118, 78}}},
      {"circle", [&] { return Add<TvgCircle>(20, 20, 100, 40); }, {{70, 40}, {52, 40}}, {{45, 40}, {95, 40}}},
      {"round rect", [&] { return Add<TvgRoundRect>(20, 20, 100, 40); }, {{70, 40}, {25, 40}}, {{21, 21}, {119, 59}}},
      {"pie", [&] { return Add<TvgPie>(20, 20, 100, 100); }, {{90, 50}}, {{50, 90}, {50, 50 - 1}}},
      {"arc", [&] { return Add<TvgArc>(20, 20, 100, 100); }, {{120 - 1, 70 - 3}}, {{70, 70}, {50, 100}}},
      {"horizontal line",
       [&] {
         auto* line = Add<TvgLine>(20, 20, 100, 60);
         line->SetLineType(vgLineHorizontal);
         return line;
       },
       {{70, 20}},
       {{70, 50}, {70, 79}}},
  };
  for (const Case& c : cases) {
    TvgShape* shape = c.make();
    SetSolid(shape->Fill(), kRed);
    shape->SetStrokeThickness(2);
    Paint();
    for (TvgPoint p : c.inked) EXPECT_TRUE(Inked(int(p.X), int(p.Y))) << c.what << " at " << p.X << "," << p.Y;
    for (TvgPoint p : c.empty) EXPECT_FALSE(Inked(int(p.X), int(p.Y))) << c.what << " at " << p.X << "," << p.Y;
    shape->Free();
  }
}

TEST_F(ShapesPixels, APieIsHitOnlyInItsSliceWhenItHasACanvas) {
  auto* pie = Add<TvgPie>(20, 20, 100, 100);
  EXPECT_TRUE(pie->PointInObject(100, 50));   // right and up from the centre: inside 0 to -90 degrees
  EXPECT_FALSE(pie->PointInObject(40, 100));  // left and down
  EXPECT_FALSE(pie->PointInObject(40, 50));
}

TEST_F(ShapesPixels, TheCalloutsPointerIsFilledAboveItsBody) {
  auto* callout = Add<TvgCalloutRectangle>(20, 20, 100, 60);
  SetSolid(callout->Fill(), kRed);
  callout->Stroke()->SetStyle(vgBrushNone);
  Paint();
  EXPECT_TRUE(NearColor(At(70, 27), kRed, 0)) << "inside the pointer";
  EXPECT_EQ(Alpha(30, 27), 0u) << "beside the pointer";
  EXPECT_TRUE(NearColor(At(30, 40), kRed, 0)) << "the body";
  const TvgRect ink = InkBounds();
  EXPECT_LE(ink.Top, 21) << "the tip";
  EXPECT_EQ((TvgRect{ink.Left, 20, ink.Right, ink.Bottom}), (TvgRect{20, 20, 120, 80}));
}

TEST_F(ShapesPixels, ShapesOfNoSizeOrWithoutBrushesPaintNothingAndDoNotFail) {
  std::vector<TvgShape*> shapes = {Add<TvgRectangle>(10, 10, 0, 0),     Add<TvgEllipse>(10, 10, 0, 40),
                                   Add<TvgCircle>(10, 10, 40, 0),       Add<TvgPie>(10, 10, 0, 0),
                                   Add<TvgArc>(10, 10, 0, 0),           Add<TvgRoundRect>(10, 10, 0, 0),
                                   Add<TvgCalloutRectangle>(10, 10, 0, 0), Add<TvgLine>(10, 10, 0, 0)};
  Paint();
  EXPECT_EQ(InkedCount(), 0);
  for (TvgShape* shape : shapes) {  // the scene skips them; painted on their own they do not fail
    canvas->SetMatrix(shape->GetAbsoluteMatrix());
    shape->BeforePaint();
    shape->Paint();
    shape->AfterPaint();
  }
  canvas->Clear(0);
  for (TvgShape* shape : shapes) {
    shape->SetBounds(10, 10, 40, 40);
    shape->Fill()->SetStyle(vgBrushNone);
    shape->Stroke()->SetStyle(vgBrushNone);
  }
  Paint();
  EXPECT_EQ(InkedCount(), 0);
  for (TvgShape* shape : shapes) {
    shape->SetBounds(10, 10, -30, -20);
    SetSolid(shape->Fill(), kRed);
  }
  Paint();  // negative sizes paint what they paint, without failing
}

}  // namespace

#include "engine/paint/PathData.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/ValueStreaming.h"
#include "classlib/core/SysUtils.h"
#include "engine/styles/ResourceObjects.h"

namespace {

constexpr int M = vgPathPointMoveTo, L = vgPathPointLineTo, C = vgPathPointCurveTo, Z = vgPathPointClose;

std::vector<TvgPathPoint> PointsOf(const TvgPathData& path) {
  std::vector<TvgPathPoint> points;
  for (int i = 0; i < path.Count(); ++i) points.push_back(path.Points(i));
  return points;
}

std::vector<TvgPathPoint> Parse(const std::string& text) {
  TvgPathData path;
  path.SetData(text);
  return PointsOf(path);
}

void ExpectNear(const TvgPoint& actual, const TvgPoint& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.X, expected.X, tolerance);
  EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

class TPathHolder : public TComponent {
  CL_CLASS(TPathHolder, TComponent)
public:
  using TComponent::TComponent;
  TvgPathData* Path() const { return path_.get(); }

private:
  std::unique_ptr<TvgPathData> path_ = std::make_unique<TvgPathData>();
};

bool IsFinite(const TvgPoint& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

// Whatever the text, the path holds finite points only, its polygon is finite and at most 4096
// points a curve, and its written text reads back to the same commands and writes the same again.
void ExpectASoundPath(const std::string& text) {
  TvgPathData path, copy, again;
  ASSERT_NO_THROW(path.SetData(text)) << text;
  for (const TvgPathPoint& p : PointsOf(path)) ASSERT_TRUE(IsFinite(p.Point)) << text;
  TvgPolygon polygon;
  ASSERT_NO_THROW(path.FlattenToPolygon(polygon, 0.25f)) << text;
  EXPECT_LE(polygon.size(), size_t(path.Count()) * 4096 + 2) << text;
  for (const TvgPoint& p : polygon) ASSERT_TRUE(IsFinite(p)) << text;
  copy.SetData(path.Data());
  ASSERT_EQ(copy.Count(), path.Count()) << text;
  for (int i = 0; i < path.Count(); ++i) EXPECT_EQ(copy.Points(i).Kind, path.Points(i).Kind) << text;
  again.SetData(copy.Data());
  EXPECT_EQ(again.Data(), copy.Data()) << text;
}

}  // namespace

CL_PUBLISHED(TPathHolder) { published.Property("Path", &TPathHolder::Path); }

TEST(PathText, ParsesCommandsAndTheirRepetitions) {
  struct Case {
    const char* text;
    std::vector<TvgPathPoint> points;
  } cases[] = {
      {"M 0,0 L 10,0 L 10,10 Z", {{M, {0, 0}}, {L, {10, 0}}, {L, {10, 10}}, {Z, {0, 0}}}},
      {"M 0,0 10,0 10,10", {{M, {0, 0}}, {L, {10, 0}}, {L, {10, 10}}}},
      {"m 1,1 2,2", {{M, {1, 1}}, {L, {3, 3}}}},
      {"M10-20", {{M, {10, -20}}}},
      {"M 1e2,5", {{M, {100, 5}}}},
      {"M 0,0 Q 5,5 10,0", {{M, {0, 0}}}},
      {"M 0,0 T 5,5 L 1,1", {{M, {0, 0}}, {L, {1, 1}}}},
      {"M 0,0 L 10,10 x L 20,20", {{M, {0, 0}}, {L, {10, 10}}}},
      {"M 0,0 H 10 V 5 h -5 v -5", {{M, {0, 0}}, {L, {10, 0}}, {L, {10, 5}}, {L, {5, 5}}, {L, {5, 0}}}},
      {"M 0,0\r\nL\t5,5", {{M, {0, 0}}, {L, {5, 5}}}},
      {"M 0,0 c 1,1 2,2 3,3 1,1 2,2 3,3",
       {{M, {0, 0}}, {C, {1, 1}}, {C, {2, 2}}, {C, {3, 3}}, {C, {4, 4}}, {C, {5, 5}}, {C, {6, 6}}}},
      {"M 0,0 S 5,5 10,0", {{M, {0, 0}}, {C, {5, 5}}, {C, {5, 5}}, {C, {10, 0}}}},
      {"M 0,0 C 1,0 2,0 3,0 S 5,1 6,0",
       {{M, {0, 0}}, {C, {1, 0}}, {C, {2, 0}}, {C, {3, 0}}, {C, {4, 0}}, {C, {5, 1}}, {C, {6, 0}}}},
      {"M 2,2 L 3,3 Z l 1,0", {{M, {2, 2}}, {L, {3, 3}}, {Z, {2, 2}}, {L, {3, 2}}}},
      {"ML 1,1", {{M, {1, 1}}, {L, {0, 0}}}},  // a point at the end of the text reads as (0, 0)
      {"M 0,0 L 5,x 7,7", {{M, {0, 0}}}},    // the bad number drops its command; "x" ends parsing
      {"M 0,0 H x L 1,1", {{M, {0, 0}}}},
      {"M 1,1 L 2,2 3", {{M, {1, 1}}, {L, {2, 2}}}},
      {"M 1,1 +5", {{M, {1, 1}}}},
  };
  for (const Case& c : cases) EXPECT_EQ(Parse(c.text), c.points) << c.text;
}

TEST(PathText, WritesEveryNumberInTheToolkitsFloatForm) {
  TvgPathData path;
  path.SetData("M 1,0 L 1,1 L 0,0.5 L 1,0 Z");
  EXPECT_EQ(path.Data(), "M 1,0 L 1,1 L 0,0.500 L 1,0 Z ");
  path.SetData("M 0,0 L 10,0 L 10,10 Z");
  EXPECT_EQ(path.Data(), "M 0,0 L 10,0 L 10,10 Z ");
  path.SetData("M 0,0 C 1,2 3,4 5.25,6");
  EXPECT_EQ(path.Data(), "M 0,0 C 1,2 3,4 5.250,6 ");
}

TEST(PathText, MalformedTextGivesSoundPaths) {
  for (const char* text : {"", "Z", "A", "A 0,0 0 0,0 0,0", "M 1e99,1", "-----", "M ,,,,", "C", "MMMM", ".e-e-",
                           "M 1.2.3,4", "a 5,5 0 1,1 0,0", "A 0,5 0 0 1 10,10", "M 0,0 A 1,1 0 0,1 1e30,0",
                           "\x01\xff M", "s", "L -"})
    ExpectASoundPath(text);
}

TEST(PathText, RandomTextsGiveSoundPaths) {
  static constexpr char kAlphabet[] = "MLHVCSQTAZmlhvcsqtaz0123456789.-+eE, \t\x01\xff";
  TRandom random;
  random.Seed = 2024;
  for (int round = 0; round < 300; ++round) {
    std::string text;
    int length = random.Next(200);
    for (int i = 0; i < length; ++i) text += kAlphabet[random.Next(int(sizeof kAlphabet) - 1)];
    ExpectASoundPath(text);
  }
}

// Relative steps can add up beyond the float range; an arc from such a point had a sweep that is
// no number, and its segment loop never ended.
TEST(PathText, ACommandLeavingTheFloatRangeEndsThePath) {
  struct Case {
    const char* text;
    std::vector<TvgPathPoint> points;
  } cases[] = {
      {"m 3e38 0 m 3e38 0 a 1 1 0 0 0 5 5", {{M, {3e38f, 0}}}},
      {"M 1,1 L 3e38,0 l 3e38,0 L 1,1", {{M, {1, 1}}, {L, {3e38f, 0}}}},
      {"M 0,0 h 3e38 h 3e38", {{M, {0, 0}}, {L, {3e38f, 0}}}},
      {"M 0,0 L 1,1 Z m -3e38,0 m -3e38,0 Z", {{M, {0, 0}}, {L, {1, 1}}, {Z, {0, 0}}, {M, {-3e38f, 0}}}},
      {"M 3e38,3e38 c 1,1 3e38,3e38 1,1 L 2,2", {{M, {3e38f, 3e38f}}}},
      {"M 3e38,0 a 1,1 0 0,1 3e38,0", {{M, {3e38f, 0}}}},
      {"M -3e38,-3e38 C 3e38,3e38 -3e38,3e38 3e38,-3e38",
       {{M, {-3e38f, -3e38f}}, {C, {3e38f, 3e38f}}, {C, {-3e38f, 3e38f}}, {C, {3e38f, -3e38f}}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Parse(c.text), c.points) << c.text;
    ExpectASoundPath(c.text);
  }
  TvgPathData path;
  path.SetData("M 1,2 m 5,0 m 3e38,0 m 3e38,0");
  path.ClosePath();
  EXPECT_EQ(path.Points(path.Count() - 1).Point, path.Points(path.Count() - 2).Point)
      << "the figure starts at the last move kept";
}

TEST(PathArc, AnglesThatAreNoNumbersDrawNothing) {
  TvgPathData path;
  for (float angle : {NAN, INFINITY, -INFINITY}) path.AddArc({0, 0}, {1, 1}, angle, 90);
  path.AddArc({0, 0}, {1, 1}, 0, NAN);
  path.AddArcSvg({0, 0}, {1, 1}, {5, 5}, false, false, NAN);
  EXPECT_TRUE(path.IsEmpty());
  path.AddArc({0, 0}, {1, 1}, 0, INFINITY);
  EXPECT_EQ(path.Count(), 13) << "an endless sweep is one whole turn";
  path.Clear();
  path.AddArc({0, 0}, {1, 1}, 1e30f, 90);  // whole turns come off without an integer overflow
  ASSERT_EQ(path.Count(), 4);
  for (int i : {0, 3}) EXPECT_NEAR(std::hypot(path.Points(i).Point.X, path.Points(i).Point.Y), 1, 1e-3);
}

TEST(PathText, SetDataRaisesOneChangeAndBuildingNone) {
  TvgPathData path;
  int changes = 0;
  path.OnChange = [&](TObject*) { ++changes; };
  path.MoveTo({0, 0});
  path.LineTo({1, 1});
  path.AddArc({0, 0}, {1, 1}, 0, 90);
  EXPECT_EQ(changes, 0);
  path.SetData("M 0,0 L 1,1 L 2,2 Z");
  EXPECT_EQ(changes, 1);
  path.Clear();
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(path.IsEmpty());
}

TEST(PathArc, SvgHalfEllipseFollowsTheSweepFlag) {
  struct Case {
    const char* text;
    TvgPoint middle;
  } cases[] = {{"M 0,0 A 10,10 0 0,1 20,0", {10, -10}},
               {"M 0,0 A 10,10 0 0,0 20,0", {10, 10}},
               {"M 0,0 A 1,1 0 0,1 20,0", {10, -10}},   // radii too small grow to fit
               {"M 0,0 a 10,10 0 0,1 20,0", {10, -10}}};
  for (const Case& c : cases) {
    auto points = Parse(c.text);
    ASSERT_EQ(points.size(), 7u) << c.text;
    for (size_t i = 1; i < 7; ++i) EXPECT_EQ(points[i].Kind, C) << c.text;
    ExpectNear(points[3].Point, c.middle);
    ExpectNear(points[6].Point, {20, 0});
  }
}

TEST(PathArc, SvgEdgeCasesFollowSvgRules) {
  EXPECT_EQ(Parse("M 5,5 A 0,10 0 0,1 20,0"), (std::vector<TvgPathPoint>{{M, {5, 5}}, {L, {20, 0}}}));
  EXPECT_EQ(Parse("M 5,5 A 10,10 0 0,1 5,5"), (std::vector<TvgPathPoint>{{M, {5, 5}}}));
  auto rotated = Parse("M 0,0 A 20,10 90 0,1 0,20");  // a rotated ellipse, end point kept
  ASSERT_FALSE(rotated.empty());
  ExpectNear(rotated.back().Point, {0, 20});
}

TEST(PathArc, AddArcCutsQuarterTurns) {
  TvgPathData path;
  path.AddArc({10, 10}, {5, 5}, 0, 0);
  EXPECT_TRUE(path.IsEmpty());
  path.AddArc({10, 10}, {5, 5}, 0, 360);
  ASSERT_EQ(path.Count(), 13);
  EXPECT_EQ(path.Points(0).Kind, M);
  ExpectNear(path.Points(0).Point, {15, 10});
  ExpectNear(path.Points(3).Point, {10, 15});  // Y downwards: 90 degrees is below the centre
  ExpectNear(path.Points(12).Point, {15, 10});
  for (int i = 3; i <= 12; i += 3) {
    TvgPoint p = path.Points(i).Point;
    EXPECT_NEAR(std::hypot(p.X - 10, p.Y - 10), 5, 1e-4);
  }
  path.AddArc({0, 0}, {1, 2}, -90, -45);
  EXPECT_EQ(path.Points(13).Kind, L);
  ExpectNear(path.Points(13).Point, {0, -2});
  EXPECT_EQ(path.Count(), 17);
  TvgPathData bare;
  bare.AddArcNoConnect({0, 0}, {1, 1}, 0, 100);
  EXPECT_EQ(bare.Count(), 6);  // 90 + 10 degrees, no connecting point
}

TEST(PathData, BoundsIgnoreClosePointsAndNeverHaveZeroSize) {
  TvgPathData path;
  EXPECT_EQ(path.GetBounds(), (TvgRect{}));
  path.MoveTo({5, 5});
  EXPECT_EQ(path.GetBounds(), (TvgRect{5, 5, 5.001f, 5.001f}));
  path.SetData("M 1,2 L 7,-3 Z");
  EXPECT_EQ(path.GetBounds(), (TvgRect{1, -3, 7, 2}));
  path.Scale(2, 10);
  EXPECT_EQ(PointsOf(path), (std::vector<TvgPathPoint>{{M, {2, 20}}, {L, {14, -30}}, {Z, {1, 2}}}));
  EXPECT_EQ(path.LastPoint(), (TvgPoint{1, 2}));
}

TEST(PathData, FlattensFiguresAndCurves) {
  TvgPathData path;
  TvgPolygon polygon;
  EXPECT_EQ(path.FlattenToPolygon(polygon, 1), (TvgPoint{0, 0}));
  EXPECT_TRUE(polygon.empty());
  path.SetData("M 0,0 L 10,0 L 10,10 Z M 20,20 L 30,20");
  EXPECT_EQ(path.FlattenToPolygon(polygon, 1), (TvgPoint{30, 20}));
  EXPECT_EQ(polygon, (TvgPolygon{{0, 0}, {10, 0}, {10, 10}, {0, 0}, vgClosePolygon, {20, 20}, {30, 20}}));

  path.SetData("M 0,0 C 0,10 10,10 10,0");
  path.FlattenToPolygon(polygon, 1);  // tolerance 1 x 10 / 100; the first control point is 14.14 from the end
  ASSERT_EQ(polygon.size(), 1u + 141u);
  ExpectNear(polygon[1], {0, 0});
  ExpectNear(polygon.back(), {10, 0}, 0.01f);
  ExpectNear(polygon[71], {5, 7.5f}, 0.01f);
}

TEST(PathData, StreamsTheBinaryPathOnlyWhenThereArePoints) {
  TPathHolder holder(nullptr), copy(nullptr);
  EXPECT_EQ(PropertyLines(&holder), "");
  holder.Path()->SetData("M 1,2");
  EXPECT_EQ(PropertyLines(&holder), "  Path.Path = {01000000000000000000803F00000040}\r\n");
  holder.Path()->SetData("M 1,2 L 3.5,4 Z");
  LoadFromText(&copy, SaveAsText(&holder));
  EXPECT_EQ(PointsOf(*copy.Path()), PointsOf(*holder.Path()));
}

TEST(PathData, ReadsTheOlderNineByteLayoutAndSurvivesBadCounts) {
  struct Case {
    const char* hex;
    std::vector<TvgPathPoint> points;
  } cases[] = {
      {"01000000 01 0000803F 00000040", {{L, {1, 2}}}},
      {"01000000 01000000 0000803F 00000040", {{L, {1, 2}}}},
      {"05000000 01000000 0000803F 00000040", {{L, {1, 2}}}},
      {"FFFFFFFF 01000000 0000803F 00000040", {}},
      {"00000000", {}},
      {"0100", {}},
      // A point that is no finite number ends the path.
      {"03000000 00000000 0000803F 00000040 01000000 0000807F 00000040 01000000 0000803F 00000040",
       {{M, {1, 2}}}},
      {"02000000 01000000 0000803F 0000C0FF 01000000 0000803F 00000040", {}},
  };
  for (const Case& c : cases) {
    std::string hex;
    for (const char* p = c.hex; *p; ++p)
      if (*p != ' ') hex += *p;
    TPathHolder holder(nullptr);
    holder.Path()->SetData("M 9,9");
    LoadFromText(&holder, "object H: TPathHolder\r\n  Path.Path = {" + hex + "}\r\nend\r\n");
    EXPECT_EQ(PointsOf(*holder.Path()), c.points) << c.hex;
  }
}

TEST(PathResource, FindsTheNamedPathAndForgetsItWhenFreed) {
  TvgPathData path;
  path.SetResourceName("arrowpath");
  EXPECT_EQ(path.GetResourcePath(), nullptr);
  auto* resource = new TvgPathObject(nullptr);
  resource->SetResourceName("ArrowPath");
  resource->Path()->SetData("M 0,0 L 1,1");
  EXPECT_EQ(path.GetResourcePath(), resource->Path());
  EXPECT_EQ(path.Resource(), resource);
  TvgPathData copy;
  copy.SetData("M 5,5");
  copy.Assign(&path);
  EXPECT_EQ(copy.Resource(), resource);
  EXPECT_EQ(copy.ResourceName(), "arrowpath");
  resource->Free();
  EXPECT_EQ(path.Resource(), nullptr);
  EXPECT_EQ(copy.Resource(), nullptr);
  EXPECT_EQ(path.GetResourcePath(), nullptr);
}

TEST(PathResource, SetResourceTakesItsNameAndAssigningPointsDropsTheLink) {
  TvgPathObject resource(nullptr);
  resource.SetResourceName("star");
  TvgPathData path;
  int changes = 0;
  path.OnChange = [&](TObject*) { ++changes; };
  path.SetResource(&resource);
  EXPECT_EQ(path.ResourceName(), "star");
  EXPECT_EQ(changes, 1);
  TvgPathData plain;
  plain.SetData("M 1,1 L 2,2");
  path.Assign(&plain);
  EXPECT_EQ(path.Resource(), nullptr);
  EXPECT_EQ(path.ResourceName(), "");
  EXPECT_EQ(path.Count(), 2);
  path.SetResource(nullptr);
  EXPECT_EQ(path.ResourceName(), "");
}

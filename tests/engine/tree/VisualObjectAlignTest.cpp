#include <gtest/gtest.h>

#include "tests/support/PaintLog.h"
#include "tests/support/RecordingScene.h"
#include "engine/tree/VisualObject.h"

namespace {

struct TPlacement {
  TvgPoint Position;
  float Width, Height;
};

std::string Named(TvgAlign align) { return EnumTypeOf(align).NameOf(align); }

void ExpectPlacement(TvgVisualObject* object, const TPlacement& expected, TvgAlign align) {
  EXPECT_NEAR(object->Position()->X(), expected.Position.X, 0.01f) << Named(align);
  EXPECT_NEAR(object->Position()->Y(), expected.Position.Y, 0.01f) << Named(align);
  EXPECT_NEAR(object->Width(), expected.Width, 0.01f) << Named(align);
  EXPECT_NEAR(object->Height(), expected.Height, 0.01f) << Named(align);
}

// A child that keeps a height of its own whatever it is given, as an auto-sized text does.
class TFixedHeight : public TPaintProbe {
  CL_CLASS(TFixedHeight, TPaintProbe)
public:
  using TPaintProbe::TPaintProbe;
  void Realign() override { SetSizeDirect(Width(), 10); }
};

class Alignment : public ::testing::Test {
protected:
  // A 200 x 100 parent with margins of 10; its free rect is (10, 10, 190, 90).
  TvgVisualObject* NewParent() {
    TvgVisualObject* parent = scene.AddRoot(200, 100);
    parent->Margins()->SetRect({10, 10, 10, 10});
    return parent;
  }
  // A 50 x 20 child at (30, 40) with padding (1, 2, 3, 4): 54 x 26 with its padding.
  TPaintProbe* NewChild(TvgVisualObject* parent) {
    TPaintProbe* child = AddProbe(parent, 0, {30, 40, 80, 60});
    child->Padding()->SetRect({1, 2, 3, 4});
    return child;
  }
  TRecordingScene scene;
};

}  // namespace

CL_PUBLISHED(TFixedHeight) {}

TEST_F(Alignment, EveryKindPlacesItsChildInTheFreeRect) {
  const struct {
    TvgAlign align;
    TPlacement placed;
  } cases[] = {
      {vaNone, {{30, 40}, 50, 20}},
      {vaTopLeft, {{30, 40}, 50, 20}},
      {vaTop, {{11, 12}, 176, 20}},
      {vaMostTop, {{11, 12}, 176, 20}},
      {vaBottom, {{11, 66}, 176, 20}},
      {vaMostBottom, {{11, 66}, 176, 20}},
      {vaLeft, {{11, 12}, 50, 74}},
      {vaMostLeft, {{11, 12}, 50, 74}},
      {vaRight, {{137, 12}, 50, 74}},
      {vaMostRight, {{137, 12}, 50, 74}},
      {vaClient, {{11, 12}, 176, 74}},
      {vaHorizontal, {{11, 40}, 176, 20}},
      {vaVertical, {{30, 12}, 50, 74}},
      {vaContents, {{1, 2}, 196, 94}},
      {vaCenter, {{74, 39}, 50, 20}},
      {vaVertCenter, {{11, 39}, 176, 20}},
      {vaHorzCenter, {{74, 12}, 50, 74}},
      // Grown to the 180 x 80 margins rect keeping 54 x 26, then centred with whole offsets.
      {vaFit, {{18, 12}, 162.15f, 74}},
      {vaFitLeft, {{11, 12}, 162.15f, 74}},
      {vaFitRight, {{24.85f, 12}, 162.15f, 74}},
  };
  for (const auto& c : cases) {
    TvgVisualObject* parent = NewParent();
    TPaintProbe* child = NewChild(parent);
    child->SetAlign(c.align);
    ExpectPlacement(child, c.placed, c.align);
  }
}

TEST_F(Alignment, CornerKindsKeepTheirDistanceToTheEdgesThatMove) {
  const struct {
    TvgAlign align;
    TvgPoint position;
  } cases[] = {{vaTopRight, {60, 40}}, {vaBottomLeft, {30, 70}}, {vaBottomRight, {60, 70}}};
  for (const auto& c : cases) {
    TvgVisualObject* parent = NewParent();
    TPaintProbe* child = NewChild(parent);
    child->SetAlign(c.align);
    ExpectPlacement(child, {{30, 40}, 50, 20}, c.align);
    parent->SetBounds(0, 0, 230, 130);
    ExpectPlacement(child, {c.position, 50, 20}, c.align);
  }
}

TEST_F(Alignment, ScaleKeepsTheChildsShareOfTheParent) {
  TvgVisualObject* parent = NewParent();
  TPaintProbe* child = NewChild(parent);
  child->SetAlign(vaScale);
  parent->SetBounds(0, 0, 400, 50);
  ExpectPlacement(child, {{60, 20}, 100, 10}, vaScale);
}

TEST_F(Alignment, EdgeKindsStackInTheirOrder) {
  TvgVisualObject* parent = scene.AddRoot(100, 100);
  TPaintProbe* lower = AddProbe(parent, 1, {0, 50, 10, 60});
  TPaintProbe* upper = AddProbe(parent, 2, {0, 5, 10, 25});
  TPaintProbe* mostTop = AddProbe(parent, 3, {0, 90, 10, 95});
  parent->BeginUpdate();
  lower->SetAlign(vaTop);
  upper->SetAlign(vaTop);
  mostTop->SetAlign(vaMostTop);
  parent->EndUpdate();
  EXPECT_EQ(mostTop->Position()->Y(), 0);
  EXPECT_EQ(upper->Position()->Y(), 5);
  EXPECT_EQ(lower->Position()->Y(), 25);

  // Equal right edges: the later child is placed first, outermost.
  TvgVisualObject* row = scene.AddRoot(100, 100);
  TPaintProbe* first = AddProbe(row, 1, {70, 0, 90, 10});
  TPaintProbe* second = AddProbe(row, 2, {80, 0, 90, 10});
  row->BeginUpdate();
  first->SetAlign(vaRight);
  second->SetAlign(vaRight);
  row->EndUpdate();
  EXPECT_EQ(second->Position()->X(), 90);
  EXPECT_EQ(first->Position()->X(), 70);
}

TEST_F(Alignment, CenterOffsetsByTheTruncatedHalf) {
  TvgVisualObject* parent = scene.AddRoot(101, 101);
  TPaintProbe* child = AddProbe(parent, 0, {0, 0, 10, 10});
  child->SetAlign(vaCenter);
  ExpectPlacement(child, {{45, 45}, 10, 10}, vaCenter);
}

TEST_F(Alignment, AChildThatKeepsItsOwnSizeGivesTheRestBack) {
  TvgVisualObject* parent = scene.AddRoot(100, 100);
  auto* text = new TFixedHeight(nullptr);
  text->SetBounds(0, 0, 10, 30);
  parent->AddObject(text);
  TPaintProbe* below = AddProbe(parent, 0, {0, 50, 10, 60});
  text->SetAlign(vaTop);
  below->SetAlign(vaTop);
  EXPECT_EQ(text->Height(), 10);
  EXPECT_EQ(below->Position()->Y(), 10);
}

TEST_F(Alignment, NothingIsLaidOutInsideAnObjectNarrowerThanTwoUnits) {
  TvgVisualObject* parent = scene.AddRoot(1.5f, 100);
  TPaintProbe* child = AddProbe(parent, 0, {0, 0, 10, 10});
  child->SetAlign(vaClient);
  EXPECT_EQ(child->Width(), 10);
  parent->SetWidth(2);
  EXPECT_EQ(child->Width(), 2);
}

TEST_F(Alignment, ContentsCoverTheWholeParentAndMarginsAndPaddingRealign) {
  TvgVisualObject* parent = NewParent();
  TPaintProbe* child = NewChild(parent);
  child->SetAlign(vaClient);
  parent->Margins()->SetRect({0, 0, 0, 0});
  ExpectPlacement(child, {{1, 2}, 196, 94}, vaClient);
  child->Padding()->SetRect({0, 0, 0, 0});
  ExpectPlacement(child, {{0, 0}, 200, 100}, vaClient);
  parent->SetLayoutDisabled(true);
  parent->SetBounds(0, 0, 300, 300);
  EXPECT_EQ(child->Width(), 200);
}

// The design grips: the selection frame moved and resized by its corners, kept inside its
// parent, at its smallest size and in proportion; the selection point dragged inside its parent;
// what both paint; the design frame's events by name.
#include "engine/design/DesignFrame.h"
#include "engine/design/Selection.h"
#include "engine/design/SelectionPoint.h"

#include <gtest/gtest.h>

#include "tests/support/ShapeFixture.h"
#include "classlib/desktop/Control.h"

namespace {

const TShiftState kLeftHeld{ssLeft};

class SelectionFrame : public ShapeCalls {
protected:
  SelectionFrame() {
    selection = Add<TvgSelection>(0, 0, 100, 50);
    selection->OnChange = [this](TObject*) { ++changes; };
    selection->OnTrack = [this](TObject*) { ++tracks; };
  }
  // A press and one move of the pointer with the button held, then the release, all in the
  // frame's local coordinates at the press.
  void Drag(TvgPoint from, TvgPoint to, TMouseButton button = mbLeft) {
    selection->MouseDown(button, {}, from.X, from.Y);
    selection->MouseMove(button == mbLeft ? kLeftHeld : TShiftState{}, to.X, to.Y, 0, 0);
    selection->MouseUp(button, {}, to.X, to.Y);
  }
  TvgRect Bounds() const {
    const TvgPoint p = selection->Position()->GetPoint();
    return {p.X, p.Y, p.X + selection->Width(), p.Y + selection->Height()};
  }

  TvgSelection* selection;
  int changes = 0, tracks = 0;
};

TEST_F(SelectionFrame, DraggingTheInsideMovesTheFrameAndKeepsItInItsParent) {
  Drag({50, 25}, {200, 25});
  EXPECT_EQ(Bounds(), (TvgRect{100, 0, 200, 50}));
  EXPECT_EQ(tracks, 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(SelectionFrame, WithoutParentBoundsTheFrameLeavesItsParent) {
  selection->SetParentBounds(false);
  Drag({50, 25}, {0, -10});
  EXPECT_EQ(Bounds(), (TvgRect{-50, -35, 50, 15}));
}

struct TCornerDrag {
  const char* Name;
  TvgPoint From, To;
  TvgRect Bounds;
};

// The frame starts at (50, 50) with 100 x 50; the grabbed corner follows, the opposite one stays.
const TCornerDrag kCornerDrags[] = {
    {"bottom-right", {100, 50}, {130, 70}, {50, 50, 180, 120}},
    {"top-left", {0, 0}, {-20, -10}, {30, 40, 150, 100}},
    {"top-right", {100, 0}, {120, 10}, {50, 60, 170, 100}},
    {"bottom-left", {0, 50}, {30, 60}, {80, 50, 150, 110}},
    {"bottom-right below the smallest size", {100, 50}, {5, 5}, {50, 50, 65, 65}},
    {"top-left below the smallest size", {0, 0}, {95, 45}, {135, 85, 150, 100}},
    {"bottom-right beyond the parent", {100, 50}, {300, 300}, {50, 50, 200, 200}},
};

void PrintTo(const TCornerDrag& drag, std::ostream* out) { *out << drag.Name; }

class SelectionCorners : public SelectionFrame, public testing::WithParamInterface<TCornerDrag> {};

TEST_P(SelectionCorners, TheGrabbedCornerFollowsThePointer) {
  selection->SetBounds(50, 50, 100, 50);
  Drag(GetParam().From, GetParam().To);
  EXPECT_EQ(Bounds(), GetParam().Bounds);
  EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(Selection, SelectionCorners, testing::ValuesIn(kCornerDrags),
                         [](const auto& info) {
                           std::string name = info.param.Name;
                           for (char& c : name)
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

TEST_F(SelectionFrame, AProportionalFrameKeepsItsRatio) {
  selection->SetProportional(true);
  Drag({100, 50}, {160, 100});
  EXPECT_EQ(Bounds(), (TvgRect{0, 0, 160, 80}));
  // Below the smallest size the width is raised to MinSize times the ratio.
  Drag({160, 80}, {1, 1});
  EXPECT_EQ(Bounds(), (TvgRect{0, 0, 30, 15}));
}

TEST_F(SelectionFrame, GripEdgesBelongToTheGripInsideTheyMove) {
  Drag({3, 3}, {13, 13});  // the top-left grip's square includes its edge
  EXPECT_EQ(Bounds(), (TvgRect{10, 10, 100, 50}));
  selection->SetBounds(0, 0, 100, 50);
  Drag({3.1f, 3.1f}, {13.1f, 13.1f});
  EXPECT_EQ(Bounds(), (TvgRect{10, 10, 110, 60}));
}

TEST_F(SelectionFrame, ARightPressStartsNoDragAndItsReleaseReportsNoChange) {
  Drag({50, 25}, {80, 25}, mbRight);
  EXPECT_EQ(Bounds(), (TvgRect{0, 0, 100, 50}));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(tracks, 0);
}

struct TSettingCase {
  float Grip;
  float StoredGrip;
  int32_t MinSize;
  int32_t StoredMinSize;
};

void PrintTo(const TSettingCase& c, std::ostream* out) { *out << "GripSize " << c.Grip << ", MinSize " << c.MinSize; }

class SelectionSettings : public testing::TestWithParam<TSettingCase> {};

TEST_P(SelectionSettings, GripSizeAndMinSizeAreKeptInRange) {
  TvgSelection selection(nullptr);
  selection.SetGripSize(GetParam().Grip);
  selection.SetMinSize(GetParam().MinSize);
  EXPECT_EQ(selection.GripSize(), GetParam().StoredGrip);
  EXPECT_EQ(selection.MinSize(), GetParam().StoredMinSize);
}

INSTANTIATE_TEST_SUITE_P(Selection, SelectionSettings,
                         testing::Values(TSettingCase{25, 20, -3, 1}, TSettingCase{0.5f, 1, 0, 1},
                                         TSettingCase{7, 7, 40, 40}));

TEST_F(SelectionFrame, TheGripsAreHitAndWidenTheRepaintedArea) {
  selection->SetBounds(50, 50, 100, 50);
  EXPECT_TRUE(selection->PointInObject(48, 48));    // the top-left grip, outside the rect
  EXPECT_FALSE(selection->PointInObject(46, 60));   // beside the left edge, between the grips
  EXPECT_TRUE(selection->PointInObject(152, 102));  // the bottom-right grip
  EXPECT_EQ(selection->GetUpdateRect(), (TvgRect{43, 43, 157, 107}));
}

TEST_F(SelectionFrame, HoveringAGripMarksItAndPaintsItRed) {
  selection->MouseMove({}, 99, 1, 0, 0);
  EXPECT_TRUE(selection->GripHovered(1));
  EXPECT_FALSE(selection->GripHovered(0));
  Paint();
  const auto grips = canvas.Calls("FillEllipse");
  ASSERT_EQ(grips.size(), 4u);
  EXPECT_EQ(grips[0].Fill, 0xFFFFFFFF);
  EXPECT_EQ(grips[1].Fill, 0xFFFF0000);
  EXPECT_EQ(grips[1].Rect, (TvgRect{97, -3, 103, 3}));
  selection->MouseLeave();
  EXPECT_FALSE(selection->GripHovered(1));
}

TEST_F(SelectionFrame, PaintsADashedFrameAndFourOutlinedGripsUnlessHidden) {
  Paint();
  const auto frames = canvas.Calls("DrawRect");
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].Rect, (TvgRect{0.5f, 0.5f, 99.5f, 49.5f}));
  EXPECT_EQ(frames[0].Stroke, 0xFF1072C5);
  EXPECT_EQ(frames[0].Dash, vgDashDash);
  EXPECT_EQ(frames[0].Thickness, 1);
  EXPECT_EQ(canvas.Calls("DrawEllipse").size(), 4u);
  EXPECT_EQ(canvas.Calls("DrawEllipse")[2].Rect, (TvgRect{97, 47, 103, 53}));
  selection->SetHideSelection(true);
  Paint();
  EXPECT_TRUE(canvas.Names().empty());
}

class SelectionPointDrag : public ShapeCalls {
protected:
  SelectionPointDrag() {
    point = Add<TvgSelectionPoint>(0, 0, 6, 6);
    point->Position()->SetPoint({100, 100});
    point->OnChange = [this](TObject*) { ++changes; };
  }
  void DragTo(TvgPoint inRoot) {
    point->MouseDown(mbLeft, {}, 0, 0);
    const TvgPoint local = point->AbsoluteToLocal(inRoot);
    point->MouseMove(kLeftHeld, local.X, local.Y, 0, 0);
    point->MouseUp(mbLeft, {}, local.X, local.Y);
  }
  TvgSelectionPoint* point;
  int changes = 0;
};

TEST_F(SelectionPointDrag, ThePointFollowsThePointerAndStopsAtItsParentsEdges) {
  DragTo({150, 60});
  EXPECT_EQ(point->Position()->GetPoint(), (TvgPoint{150, 60}));
  DragTo({260, -20});
  EXPECT_EQ(point->Position()->GetPoint(), (TvgPoint{200, 0}));
  EXPECT_EQ(changes, 2);
  point->SetParentBounds(false);
  DragTo({260, -20});
  EXPECT_EQ(point->Position()->GetPoint(), (TvgPoint{260, -20}));
}

TEST_F(SelectionPointDrag, ItsSizeIsTwiceTheGripAndItIsHitAroundItsOrigin) {
  point->SetWidth(50);
  EXPECT_EQ(point->Width(), 6);
  point->SetGripSize(5);
  EXPECT_EQ(point->Width(), 10);
  EXPECT_EQ(point->Height(), 10);
  EXPECT_TRUE(point->PointInObject(96, 104));
  EXPECT_FALSE(point->PointInObject(95, 100));  // strictly within the grip size
}

TEST_F(SelectionPointDrag, PaintsARoundGripRedWhileHoveredOrSelected) {
  Paint();
  ASSERT_EQ(canvas.Calls("FillEllipse").size(), 1u);
  EXPECT_EQ(canvas.Calls("FillEllipse")[0].Rect, (TvgRect{-3, -3, 3, 3}));
  EXPECT_EQ(canvas.Calls("FillEllipse")[0].Fill, 0xFFFFFFFF);
  point->MouseEnter();
  Paint();
  EXPECT_EQ(canvas.Calls("FillEllipse")[0].Fill, 0xFFFF0000);
  point->MouseLeave();
  Paint();
  EXPECT_EQ(canvas.Calls("FillEllipse")[0].Fill, 0xFFFFFFFF);
}

class DesignFramePaint : public ShapeCalls {};

TEST_F(DesignFramePaint, PaintsNothingAndPublishesItsEvents) {
  Add<TvgDesignFrame>(10, 10, 50, 50);
  Paint();
  EXPECT_TRUE(canvas.Names().empty());
  EXPECT_NE(TvgDesignFrame::StaticClass()->FindProperty("OnChange"), nullptr);
  EXPECT_NE(TvgDesignFrame::StaticClass()->FindProperty("OnTrack"), nullptr);
}

}  // namespace

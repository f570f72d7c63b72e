#include "engine/tree/VisualObject.h"

#include <gtest/gtest.h>

#include "tests/support/PaintLog.h"
#include "tests/support/RecordingScene.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/shapes/Shapes.h"

namespace {

void ExpectPoint(const TvgPoint& actual, float x, float y) {
  EXPECT_NEAR(actual.X, x, 1e-3f);
  EXPECT_NEAR(actual.Y, y, 1e-3f);
}

void ExpectRect(const TvgRect& actual, const TvgRect& expected) {
  EXPECT_NEAR(actual.Left, expected.Left, 1e-3f);
  EXPECT_NEAR(actual.Top, expected.Top, 1e-3f);
  EXPECT_NEAR(actual.Right, expected.Right, 1e-3f);
  EXPECT_NEAR(actual.Bottom, expected.Bottom, 1e-3f);
}

class VisualObject : public ::testing::Test {
protected:
  TRecordingScene scene;
};

}  // namespace

TEST_F(VisualObject, LocalMatrixTurnsAboutTheRotationCentreThenScalesThenMoves) {
  auto* object = scene.AddRoot(40, 20);
  object->Position()->SetPoint({10, 20});
  object->Scale()->SetPoint({2, 3});
  object->SetRotateAngle(90);
  // (0,0) turns about (20,10) to (30,-10), scales to (60,-30), moves to (70,-10).
  ExpectPoint(object->LocalToAbsolute({0, 0}), 70, -10);
  ExpectPoint(object->LocalToAbsolute({20, 10}), 50, 50);
  object->RotateCenter()->SetPoint({0, 0});
  ExpectPoint(object->LocalToAbsolute({1, 0}), 10, 23);
}

TEST_F(VisualObject, AbsoluteMatrixFollowsEveryAncestorAndItsInverseMapsBack) {
  auto* parent = scene.AddRoot(100, 100);
  parent->Position()->SetPoint({100, 50});
  parent->Scale()->SetPoint({2, 2});
  auto* child = AddProbe(parent, 0, {10, 10, 30, 30});
  ExpectPoint(child->LocalToAbsolute({0, 0}), 120, 70);
  ExpectPoint(child->AbsoluteToLocal({140, 90}), 10, 10);
  EXPECT_EQ(child->GetAbsoluteScale(), (TvgPoint{2, 2}));

  parent->Position()->SetPoint({0, 0});
  parent->SetRotateAngle(90);
  parent->RotateCenter()->SetPoint({0, 0});
  ExpectPoint(child->LocalToAbsolute({0, 0}), -20, 20);
  const TvgVector v = child->LocalToAbsoluteVector({1, 0, 0});
  EXPECT_NEAR(v.X, 0, 1e-5f);
  EXPECT_NEAR(v.Y, 2, 1e-5f);
  ExpectRect(child->GetAbsoluteRect(), {-60, 20, -20, 60});
}

TEST_F(VisualObject, AMatrixThatCannotBeInvertedMapsBackUnchanged) {
  auto* object = scene.AddRoot(10, 10);
  object->Scale()->SetPoint({0, 0});
  ExpectPoint(object->AbsoluteToLocal({7, 8}), 7, 8);
}

TEST_F(VisualObject, RotateAngleIsNormalised) {
  const struct {
    float set, stored;
  } cases[] = {{540, 180}, {-200, 160}, {200, 200}, {370, 10}, {-190, 170}, {-170, -170}, {-400, -40}};
  auto* object = scene.AddRoot(10, 10);
  for (const auto& c : cases) {
    object->SetRotateAngle(c.set);
    EXPECT_FLOAT_EQ(object->RotateAngle(), c.stored) << c.set;
  }
}

TEST_F(VisualObject, OpacityIsClampedAndMultipliesDownTheTree) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {0, 0, 50, 50});
  auto* grandchild = AddProbe(child, 0, {0, 0, 20, 20});
  child->SetOpacity(1.5f);
  EXPECT_FLOAT_EQ(child->Opacity(), 1);
  child->SetOpacity(-1);
  EXPECT_FLOAT_EQ(child->Opacity(), 0);
  child->SetOpacity(0.5f);
  grandchild->SetOpacity(0.5f);
  EXPECT_FLOAT_EQ(grandchild->GetAbsoluteOpacity(), 0.25f);
  root->SetOpacity(0.5f);
  EXPECT_FLOAT_EQ(grandchild->GetAbsoluteOpacity(), 0.125f);
}

TEST_F(VisualObject, DisabledObjectsBelowTheRootsChildrenAreDrawnFainter) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {0, 0, 50, 50});
  auto* grandchild = AddProbe(child, 0, {0, 0, 20, 20});
  grandchild->SetEnabled(false);
  EXPECT_FLOAT_EQ(grandchild->GetAbsoluteOpacity(), 0.8f);
  EXPECT_FALSE(grandchild->GetAbsoluteEnabled());
  grandchild->SetEnabled(true);
  child->SetEnabled(false);
  EXPECT_FLOAT_EQ(child->GetAbsoluteOpacity(), 1);
  EXPECT_FALSE(grandchild->GetAbsoluteEnabled());
  EXPECT_FLOAT_EQ(grandchild->GetAbsoluteOpacity(), 0.8f);
}

TEST_F(VisualObject, DisablingTheFocusedObjectClearsTheScenesFocus) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {0, 0, 50, 50});
  child->SetCanFocused(true);
  child->SetFocus();
  ASSERT_EQ(scene.focused, child);
  root->SetEnabled(false);
  child->GetAbsoluteEnabled();
  EXPECT_EQ(scene.focused, nullptr);
  EXPECT_FALSE(child->IsFocused());
}

TEST_F(VisualObject, NegativeSizesTurnTheObjectOverOnlyInTheDesigner) {
  auto* object = scene.AddRoot(10, 10);
  object->SetWidth(-20);
  EXPECT_EQ(object->Width(), -20);
  EXPECT_EQ(object->Scale()->X(), 1);
  scene.designing = true;
  object->SetWidth(-30);
  EXPECT_EQ(object->Width(), 30);
  EXPECT_EQ(object->Scale()->X(), -1);
  object->SetBounds(0, 0, 5, -8);
  EXPECT_EQ(object->Height(), 8);
  EXPECT_EQ(object->Scale()->Y(), -1);
}

TEST_F(VisualObject, SetLocalRectCoversTheRectAsTheObjectIsTurnedAndScaled) {
  auto* parent = scene.AddRoot(200, 200);
  parent->Position()->SetPoint({50, 0});
  auto* child = AddProbe(parent, 0, {10, 10, 50, 30});
  child->Scale()->SetPoint({2, 1});
  const TvgPoint cornerBefore = child->LocalToAbsolute({5, 5});
  child->SetLocalRect({5, 5, 25, 15});
  EXPECT_EQ(child->Width(), 20);
  EXPECT_EQ(child->Height(), 10);
  ExpectPoint(child->LocalToAbsolute({0, 0}), cornerBefore.X, cornerBefore.Y);

  // A negative width turns the object over: the rect's far edge becomes its origin.
  const TvgPoint farEdge = child->LocalToAbsolute({20, 0});
  child->SetLocalRect({20, 0, 0, 10});
  EXPECT_EQ(child->Width(), 20);
  EXPECT_EQ(child->Scale()->X(), -2);
  ExpectPoint(child->LocalToAbsolute({0, 0}), farEdge.X, farEdge.Y);
}

TEST_F(VisualObject, SetSizeDirectChangesNothingElse) {
  auto* object = scene.AddRoot(10, 10);
  scene.updateRects.clear();
  object->SetSizeDirect(30, 40);
  EXPECT_EQ(object->Width(), 30);
  EXPECT_EQ(object->Height(), 40);
  EXPECT_TRUE(scene.updateRects.empty());
}

TEST_F(VisualObject, MovingInvalidatesTheOldAndTheNewArea) {
  auto* root = scene.AddRoot(200, 200);
  root->SetClipChildren(true);
  auto* child = AddProbe(root, 0, {10, 10, 30, 30});
  scene.updateRects.clear();
  child->Position()->SetPoint({50, 60});
  EXPECT_TRUE(scene.Invalidated({10, 10, 30, 30}));
  EXPECT_TRUE(scene.Invalidated({50, 60, 70, 80}));
  scene.updateRects.clear();
  child->SetWidth(40);
  EXPECT_TRUE(scene.Invalidated({50, 60, 70, 80}));
  EXPECT_TRUE(scene.Invalidated({50, 60, 90, 80}));
}

TEST_F(VisualObject, UpdateRectCoversChildrenUnlessTheObjectClipsThem) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {10, 10, 50, 50});
  auto* grandchild = AddProbe(child, 0, {30, 30, 80, 60});
  ExpectRect(child->GetUpdateRect(), {10, 10, 90, 70});
  ExpectRect(root->GetUpdateRect(), {0, 0, 100, 100});
  grandchild->Position()->SetPoint({60, 70});
  ExpectRect(root->GetUpdateRect(), {0, 0, 120, 110});
  child->SetClipChildren(true);
  ExpectRect(child->GetUpdateRect(), {10, 10, 50, 50});
  ExpectRect(grandchild->GetUpdateRect(), {0, 0, 0, 0});  // nothing of it is visible
  grandchild->Position()->SetPoint({20, 20});
  ExpectRect(grandchild->GetUpdateRect(), {30, 30, 50, 50});
  grandchild->SetVisible(false);
  child->SetClipChildren(false);
  ExpectRect(child->GetUpdateRect(), {10, 10, 50, 50});
}

TEST_F(VisualObject, FocusAndDesignSelectionWidenTheUpdateRect) {
  auto* root = scene.AddRoot(100, 100);
  root->SetClipChildren(true);
  auto* child = AddProbe(root, 0, {10, 30, 50, 50});
  child->SetCanFocused(true);
  child->SetFocus();
  ExpectRect(child->GetUpdateRect(), {5, 25, 55, 55});
  scene.SetFocused(nullptr);
  scene.selected = child;
  child->RecalcUpdateRect();
  ExpectRect(child->GetUpdateRect(), {6, 13, 54, 54});
}

TEST_F(VisualObject, RepaintAsksNothingOfAHiddenOrHeldObject) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {10, 10, 20, 20});
  auto* grandchild = AddProbe(child, 0, {0, 0, 5, 5});
  const struct {
    const char* what;
    std::function<void()> make, undo;
  } cases[] = {
      {"hidden", [&] { grandchild->SetVisible(false); }, [&] { grandchild->SetVisible(true); }},
      {"parent hidden", [&] { child->SetVisible(false); }, [&] { child->SetVisible(true); }},
      {"in an update", [&] { root->BeginUpdate(); }, [&] { root->EndUpdate(); }},
      {"updates off", [&] { scene.disableUpdate = true; }, [&] { scene.disableUpdate = false; }},
  };
  for (const auto& c : cases) {
    c.make();
    scene.updateRects.clear();
    grandchild->Repaint();
    EXPECT_TRUE(scene.updateRects.empty()) << c.what;
    c.undo();
  }
  scene.updateRects.clear();
  grandchild->Repaint();
  EXPECT_EQ(scene.updateRects, (std::vector<TvgRect>{{10, 10, 15, 15}}));
}

TEST_F(VisualObject, HidingRepaintsTheOldAreaAndDropsTheFocus) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {10, 10, 20, 20});
  child->SetCanFocused(true);
  child->SetFocus();
  scene.updateRects.clear();
  child->SetVisible(false);
  EXPECT_TRUE(scene.Invalidated({5, 5, 25, 25}));  // with the focus ring
  EXPECT_EQ(scene.focused, nullptr);
  EXPECT_FALSE(child->IsFocused());
}

TEST_F(VisualObject, RealignIsHeldWhileTheUpdateCountIsRaised) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {10, 10, 20, 20});
  root->BeginUpdate();
  child->SetAlign(vaClient);
  EXPECT_EQ(child->Width(), 10);
  root->EndUpdate();
  EXPECT_EQ(child->Width(), 100);
}

TEST_F(VisualObject, LockingAndCanvasesReachEveryDescendant) {
  auto* root = scene.AddRoot(100, 100);
  auto* child = AddProbe(root, 0, {10, 10, 20, 20});
  auto* grandchild = AddProbe(child, 0, {0, 0, 5, 5});
  root->LockWithChildren();
  EXPECT_TRUE(child->Locked());
  EXPECT_TRUE(grandchild->Locked());
  TPaintLogCanvas canvas(4, 4);
  child->AssignCanvas(&canvas);
  EXPECT_EQ(grandchild->GetCanvas(), &canvas);
  auto* late = AddProbe(child, 0, {0, 0, 5, 5});
  EXPECT_EQ(late->GetCanvas(), &canvas);
  child->RemoveObject(late);
  EXPECT_EQ(late->GetCanvas(), nullptr);
  late->Free();
}

TEST_F(VisualObject, TheCaretIsALockedRectangleThatBlinksWhenTheSceneAnimatesCarets) {
  auto* editor = scene.AddRoot(100, 30);
  editor->ShowCaret();
  TvgRectangle* caret = editor->Caret();
  ASSERT_NE(caret, nullptr);
  EXPECT_EQ(caret->Parent(), editor);
  EXPECT_EQ(caret->Owner(), editor);
  EXPECT_EQ(caret->Width(), 3);
  EXPECT_EQ(caret->Height(), 20);
  EXPECT_EQ(caret->Fill()->SolidColor(), 0xFF0000FFu);
  EXPECT_EQ(caret->Stroke()->Style(), vgBrushNone);
  EXPECT_FALSE(caret->Stored());
  EXPECT_FALSE(caret->HitTest());
  EXPECT_TRUE(caret->Locked());
  EXPECT_TRUE(caret->Visible());
  ASSERT_EQ(caret->ChildrenCount(), 1);
  auto* blink = dynamic_cast<TvgFloatAnimation*>(caret->Children(0));
  ASSERT_NE(blink, nullptr);
  EXPECT_EQ(blink->BindingName(), "caret");
  EXPECT_EQ(blink->PropertyName(), "Opacity");
  EXPECT_EQ(blink->StartValue(), 1);
  EXPECT_EQ(blink->StopValue(), 0);
  EXPECT_FLOAT_EQ(blink->Duration(), 0.1f);
  EXPECT_TRUE(blink->AutoReverse());
  EXPECT_TRUE(blink->Loop());
  EXPECT_TRUE(blink->Running());

  editor->SetCaretPos({2.5f, 3.5f});
  EXPECT_EQ(caret->Position()->GetPoint(), (TvgPoint{2, 4}));
  editor->SetCaretSize({1, 14});
  EXPECT_EQ(caret->Width(), 1);
  EXPECT_EQ(caret->Height(), 14);
  editor->SetCaretColor(0xFF123456);
  EXPECT_EQ(caret->Fill()->SolidColor(), 0xFF123456u);
  editor->HideCaret();
  EXPECT_FALSE(caret->Visible());
  editor->ShowCaret();
  EXPECT_EQ(editor->Caret(), caret);
  caret->Free();
  EXPECT_EQ(editor->Caret(), nullptr);
}

TEST_F(VisualObject, ACaretInASceneThatDoesNotAnimateCaretsStaysStill) {
  scene.animatedCaret = false;
  auto* editor = scene.AddRoot(100, 30);
  editor->HideCaret();
  EXPECT_EQ(editor->Caret(), nullptr);
  editor->ShowCaret();
  ASSERT_NE(editor->Caret(), nullptr);
  EXPECT_EQ(editor->Caret()->ChildrenCount(), 0);
}

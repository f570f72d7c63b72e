#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/PaintLog.h"
#include "tests/support/RecordingScene.h"
#include "engine/effects/Effect.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr TvgColor A = 0xFFAA0000, B = 0xFF00BB00, C = 0xFF0000CC, D = 0xFFDDDD00;

// Asks for a margin of 5 around the object and writes down what it was given.
class TMarginEffect : public TvgEffect {
  CL_CLASS(TMarginEffect, TvgEffect)
public:
  explicit TMarginEffect(TComponent* owner, bool replaces = false, bool after = false) : TvgEffect(owner) {
    replacesPainting_ = replaces;
    paintsAfter_ = after;
  }
  int processed = 0;
  float scale = 0;
  TvgPoint bitmapSize;
  TvgRect GetRect(const TvgRect& r) override { return {r.Left - 5, r.Top - 5, r.Right + 5, r.Bottom + 5}; }
  TvgPoint GetOffset() override { return {5, 5}; }
  void ProcessEffect(TvgCanvas*, TvgBitmap* bitmap, float s) override {
    ++processed;
    scale = s;
    bitmapSize = {float(bitmap->Width()), float(bitmap->Height())};
  }
};

class TFailingProbe : public TPaintProbe {
  CL_CLASS(TFailingProbe, TPaintProbe)
public:
  using TPaintProbe::TPaintProbe;
  void Paint() override { throw std::runtime_error("paint failed"); }
};

class PaintPipeline : public ::testing::Test {
protected:
  PaintPipeline() : canvas(static_cast<TPaintLogCanvas*>(vgCanvasClass<TPaintLogCanvas>()->Create(200, 200))) {
    previousCanvasClass = std::exchange(DefaultCanvasClass, vgCanvasClass<TPaintLogCanvas>());
    scene.canvas = canvas.get();
    root = scene.AddRoot<TPaintProbe>(100, 100);
    root->color = D;
  }
  ~PaintPipeline() override { DefaultCanvasClass = previousCanvasClass; }

  // One paint pass of the root's children over the given dirty rects, as the scene runs it.
  void PaintOver(std::vector<TvgRect> dirty = {{0, 0, 100, 100}}) {
    scene.updateRects = std::move(dirty);
    canvas->calls.clear();
    root->PaintChildren();
  }
  std::vector<TvgColor> Painted(std::vector<TvgRect> dirty = {{0, 0, 100, 100}}) {
    PaintOver(std::move(dirty));
    return canvas->FilledColors();
  }

  const TvgCanvasClass* previousCanvasClass;
  std::unique_ptr<TPaintLogCanvas> canvas;
  TRecordingScene scene;
  TPaintProbe* root;
};

}  // namespace

CL_PUBLISHED(TMarginEffect) {}
CL_PUBLISHED(TFailingProbe) {}

TEST_F(PaintPipeline, ChildrenPaintInChildOrderUnderTheirAbsoluteMatrices) {
  AddProbe(root, A, {10, 10, 30, 30});
  TPaintProbe* b = AddProbe(root, B, {20, 20, 60, 60});
  b->Scale()->SetPoint({2, 2});
  AddProbe(b, C, {5, 5, 10, 10});
  PaintOver();
  const auto fills = canvas->Calls("FillRect");
  ASSERT_EQ(canvas->FilledColors(), (std::vector<TvgColor>{A, B, C}));
  EXPECT_EQ(fills[0].Matrix.m31, 10);
  EXPECT_EQ(fills[1].Matrix.m11, 2);
  EXPECT_EQ(fills[2].Matrix.m31, 30);
  EXPECT_EQ(fills[2].Matrix.m11, 2);
  EXPECT_EQ(fills[2].Rect, (TvgRect{0, 0, 5, 5}));
}

TEST_F(PaintPipeline, HiddenEmptyAndUndirtiedChildrenAreSkippedOutsideTheDesigner) {
  AddProbe(root, A, {10, 10, 30, 30});
  TPaintProbe* hidden = AddProbe(root, B, {20, 20, 60, 60});
  AddProbe(root, C, {0, 0, 0, 10});  // no width
  TPaintProbe* far = AddProbe(root, D, {80, 80, 90, 90});
  hidden->SetVisible(false);
  EXPECT_EQ(Painted(), (std::vector<TvgColor>{A, D}));
  EXPECT_EQ(Painted({{0, 0, 15, 15}}), (std::vector<TvgColor>{A}));

  // The designer shows invisible objects that are not locked and ignores the dirty rects.
  scene.designing = true;
  EXPECT_EQ(Painted({{0, 0, 15, 15}}), (std::vector<TvgColor>{A, B, D}));
  hidden->SetLocked(true);
  far->SetDesignHide(true);
  EXPECT_EQ(Painted(), (std::vector<TvgColor>{A}));
}

TEST_F(PaintPipeline, AClippingParentClipsEachChildThatAcceptsIt) {
  TPaintProbe* parent = AddProbe(root, A, {10, 10, 50, 50});
  parent->SetClipChildren(true);
  TPaintProbe* inside = AddProbe(parent, B, {30, 30, 60, 60});
  AddProbe(parent, C, {50, 50, 60, 60});  // outside the parent
  PaintOver();
  EXPECT_EQ(canvas->Names(), (std::vector<std::string>{"SaveState", "IntersectClipRect", "FillRect", "RestoreState",
                                                       "SaveState", "IntersectClipRect", "FillRect", "RestoreState"}));
  const auto clips = canvas->Calls("IntersectClipRect");
  EXPECT_EQ(clips[0].Rect, (TvgRect{0, 0, 40, 40}));
  EXPECT_EQ(clips[1].Rect, (TvgRect{0, 0, 40, 40}));
  EXPECT_EQ(clips[1].Matrix.m31, 10);  // the parent's matrix
  EXPECT_EQ(canvas->FilledColors(), (std::vector<TvgColor>{A, B}));

  inside->SetCanClipped(false);
  PaintOver();
  EXPECT_EQ(canvas->Calls("IntersectClipRect").size(), 1u);
}

TEST_F(PaintPipeline, ChildrenMarkedClipParentAreCutOutOfTheParentsDrawing) {
  TPaintProbe* parent = AddProbe(root, A, {10, 10, 50, 50});
  TPaintProbe* hole = AddProbe(parent, B, {5, 5, 15, 15});
  hole->SetClipParent(true);
  PaintOver();
  EXPECT_EQ(canvas->Names(), (std::vector<std::string>{"SaveState", "ExcludeClipRect", "FillRect", "RestoreState",
                                                       "FillRect"}));
  const auto excluded = canvas->Calls("ExcludeClipRect")[0];
  EXPECT_EQ(excluded.Rect, (TvgRect{0, 0, 10, 10}));
  EXPECT_EQ(excluded.Matrix.m31, 15);
  EXPECT_EQ(canvas->Calls("FillRect")[0].Matrix.m31, 10);
}

TEST_F(PaintPipeline, PaintEventsSurroundTheObjectAndItsChildren) {
  TPaintProbe* parent = AddProbe(root, A, {10, 10, 50, 50});
  AddProbe(parent, B, {5, 5, 15, 15});
  std::vector<std::string> order;
  parent->OnBeforePaint = [&](TObject*, TvgCanvas*, const TvgRect& r) {
    order.push_back("before " + std::to_string(int(r.Right)) + " fills " +
                    std::to_string(canvas->FilledColors().size()));
  };
  parent->OnPaint = [&](TObject*, TvgCanvas* c, const TvgRect&) {
    order.push_back("paint fills " + std::to_string(canvas->FilledColors().size()) + " at " +
                    std::to_string(int(c->Matrix().m31)));
  };
  PaintOver();
  EXPECT_EQ(order, (std::vector<std::string>{"before 40 fills 0", "paint fills 2 at 10"}));
}

TEST_F(PaintPipeline, AnObjectDraggedOverIsOutlined) {
  TPaintProbe* target = AddProbe(root, A, {10, 10, 30, 30});
  target->DragEnter(nullptr, {});
  PaintOver();
  const auto outlines = canvas->Calls("DrawRect");
  ASSERT_EQ(outlines.size(), 1u);
  EXPECT_EQ(outlines[0].Rect, (TvgRect{1, 1, 19, 19}));
  EXPECT_EQ(outlines[0].Color, 0xB2005ACCu);
  EXPECT_EQ(outlines[0].Thickness, 3);
  EXPECT_EQ(canvas->StrokeThickness, 0);  // the canvas state is given back
  target->SetDragDisableHighlight(true);
  PaintOver();
  EXPECT_TRUE(canvas->Calls("DrawRect").empty());
}

TEST_F(PaintPipeline, TheFormDesignersOtherSelectedObjectsAreMarked) {
  TPaintProbe* marked = AddProbe(root, A, {10, 10, 30, 30});
  scene.designerSelected = marked;
  PaintOver();
  const auto outlines = canvas->Calls("DrawRect");
  ASSERT_EQ(outlines.size(), 1u);
  EXPECT_EQ(outlines[0].Rect, (TvgRect{1, 1, 19, 19}));
  EXPECT_EQ(outlines[0].Color, 0xB200CC5Au);
  EXPECT_EQ(outlines[0].Thickness, 1);
  scene.selected = marked;  // the scene draws its own selection
  PaintOver();
  EXPECT_TRUE(canvas->Calls("DrawRect").empty());
}

TEST_F(PaintPipeline, EffectsAreRenderedOnceIntoTheirBitmapAtTheAbsoluteScale) {
  root->Scale()->SetPoint({2, 2});
  TPaintProbe* shaded = AddProbe(root, A, {10, 10, 30, 20});
  shaded->SetOpacity(0.5f);
  auto* effect = new TMarginEffect(nullptr);
  shaded->AddObject(effect);
  ASSERT_TRUE(shaded->HasEffects());
  PaintOver({{0, 0, 200, 200}});
  EXPECT_EQ(canvas->Names(), (std::vector<std::string>{"SaveState", "DrawBitmap", "RestoreState", "FillRect"}));
  const TPaintCall drawn = canvas->Calls("DrawBitmap")[0];
  EXPECT_EQ(drawn.Rect, (TvgRect{-5, -5, 25, 15}));
  EXPECT_EQ(drawn.Matrix.m31, 20);
  EXPECT_FLOAT_EQ(drawn.Opacity, 0.5f);
  EXPECT_TRUE(drawn.HighSpeed);
  EXPECT_EQ(effect->processed, 1);
  EXPECT_EQ(effect->scale, 2);
  EXPECT_EQ(effect->bitmapSize, (TvgPoint{60, 40}));

  // The object itself was drawn into the bitmap at the effect's offset, scaled.
  auto* bitmapCanvas = dynamic_cast<TPaintLogCanvas*>(shaded->EffectBitmap()->GetCanvas());
  ASSERT_NE(bitmapCanvas, nullptr);
  const TPaintCall inBitmap = bitmapCanvas->Calls("FillRect").at(0);
  EXPECT_EQ(inBitmap.Matrix.m11, 2);
  EXPECT_EQ(inBitmap.Matrix.m31, 10);
  EXPECT_EQ(bitmapCanvas->Calls("Clear").size(), 1u);

  PaintOver({{0, 0, 200, 200}});
  EXPECT_EQ(effect->processed, 1);
  EXPECT_EQ(canvas->Calls("DrawBitmap").size(), 1u);
  shaded->SetRotateAngle(10);
  PaintOver({{0, 0, 200, 200}});
  EXPECT_EQ(effect->processed, 2);
  EXPECT_FALSE(canvas->Calls("DrawBitmap")[0].HighSpeed);

  // An effect area outside the object widens the update rect.
  shaded->SetRotateAngle(0);
  EXPECT_EQ(shaded->GetUpdateRect(), (TvgRect{10, 10, 70, 50}));
}

TEST_F(PaintPipeline, EffectsPaintAfterTheObjectOrInItsPlace) {
  const struct {
    bool replaces, after;
    std::vector<std::string> names;
  } cases[] = {
      {false, true, {"FillRect", "SaveState", "DrawBitmap", "RestoreState"}},
      {true, false, {"SaveState", "DrawBitmap", "RestoreState"}},
  };
  for (const auto& c : cases) {
    TPaintProbe* shaded = AddProbe(root, A, {10, 10, 30, 20});
    shaded->AddObject(new TMarginEffect(nullptr, c.replaces, c.after));
    PaintOver();
    EXPECT_EQ(canvas->Names(), c.names) << c.replaces << c.after;
    shaded->Free();
  }
}

TEST_F(PaintPipeline, ADisabledEffectStopsTakingPart) {
  TPaintProbe* shaded = AddProbe(root, A, {10, 10, 30, 20});
  auto* effect = new TMarginEffect(nullptr);
  shaded->AddObject(effect);
  scene.updateRects.clear();
  effect->SetEnabled(false);
  EXPECT_TRUE(scene.Invalidated({5, 5, 35, 25}));  // the area the effect covered
  EXPECT_FALSE(shaded->HasEffects());
  PaintOver();
  EXPECT_EQ(canvas->Names(), (std::vector<std::string>{"FillRect"}));
  EXPECT_EQ(shaded->GetUpdateRect(), (TvgRect{10, 10, 30, 20}));
}

TEST_F(PaintPipeline, PaintToDrawsTheSubtreeIntoAnotherCanvasAndPutsEverythingBack) {
  TPaintProbe* object = AddProbe(root, A, {10, 20, 30, 30});
  object->SetRotateAngle(30);
  AddProbe(object, B, {5, 0, 10, 5});
  const TvgMatrix before = object->GetAbsoluteMatrix();
  const TvgRect updateBefore = object->GetUpdateRect();
  TPaintLogCanvas other(50, 50);
  scene.updateRects.clear();
  object->PaintTo(&other, {0, 0, 40, 20});
  EXPECT_EQ(other.FilledColors(), (std::vector<TvgColor>{A, B}));
  const auto fills = other.Calls("FillRect");
  EXPECT_EQ(fills[0].Matrix, (TvgMatrix{2, 0, 0, 0, 2, 0, 0, 0, 1}));
  EXPECT_EQ(fills[1].Matrix.m31, 10);
  EXPECT_TRUE(scene.updateRects.empty());
  EXPECT_FALSE(scene.disableUpdate);
  EXPECT_EQ(object->Position()->GetPoint(), (TvgPoint{10, 20}));
  EXPECT_EQ(object->RotateAngle(), 30);
  EXPECT_EQ(object->GetAbsoluteMatrix(), before);
  EXPECT_EQ(object->GetUpdateRect(), updateBefore);
  EXPECT_EQ(object->GetCanvas(), canvas.get());
}

TEST_F(PaintPipeline, PaintToPutsEverythingBackWhenPaintingFails) {
  auto* failing = new TFailingProbe(nullptr);
  failing->SetBounds(10, 20, 20, 10);
  root->AddObject(failing);
  TPaintLogCanvas other(50, 50);
  EXPECT_THROW(failing->PaintTo(&other, {0, 0, 40, 20}), std::runtime_error);
  EXPECT_FALSE(scene.disableUpdate);
  EXPECT_EQ(failing->Position()->GetPoint(), (TvgPoint{10, 20}));
  EXPECT_EQ(failing->Scale()->GetPoint(), (TvgPoint{1, 1}));
  EXPECT_EQ(failing->Parent(), root);
  EXPECT_EQ(failing->GetCanvas(), canvas.get());
  EXPECT_EQ(other.Calls("SaveState").size(), other.Calls("RestoreState").size());
}

// An effect's bitmap is rendered by painting its object into it: a painting inside a painting,
// after which the outer one goes on with the object's children.
TEST_F(PaintPipeline, PaintToGoesOnWholeAfterAnEffectRenderedInsideIt) {
  TPaintProbe* shaded = AddProbe(root, A, {10, 10, 30, 20});
  AddProbe(shaded, B, {0, 0, 5, 5});
  shaded->AddObject(new TMarginEffect(nullptr));
  AddProbe(root, C, {40, 40, 50, 50});
  TPaintLogCanvas other(100, 100);
  scene.updateRects.clear();
  root->PaintTo(&other, {0, 0, 100, 100});
  EXPECT_EQ(other.FilledColors(), (std::vector<TvgColor>{D, A, B, C}));
}

// An object painted as if it sat in a part of another tree (a combo's selected item in its
// content part) moves for the painting only: nobody above the part hears of it, or every paint
// of the part would render its holder's effect again and ask for the next paint.
TEST_F(PaintPipeline, PaintToUnderATemporaryParentLeavesItsAncestorsAlone) {
  TPaintProbe* holder = AddProbe(root, A, {10, 10, 60, 40});
  auto* effect = new TMarginEffect(nullptr);
  holder->AddObject(effect);
  TPaintProbe* part = AddProbe(holder, B, {5, 5, 45, 25});
  TPaintProbe* item = AddProbe(root, C, {0, 60, 20, 70});
  PaintOver({{0, 0, 200, 200}});
  ASSERT_EQ(effect->processed, 1);
  const TvgRect holderUpdate = holder->GetUpdateRect();
  scene.updateRects.clear();
  TPaintLogCanvas other(100, 100);
  item->PaintTo(&other, {0, 0, 40, 20}, part);
  EXPECT_EQ(other.FilledColors(), (std::vector<TvgColor>{C}));
  EXPECT_EQ(other.Calls("FillRect")[0].Matrix.m31, 15) << "placed in the part";
  EXPECT_TRUE(scene.updateRects.empty());
  EXPECT_EQ(item->Parent(), root);
  EXPECT_EQ(holder->GetUpdateRect(), holderUpdate);
  PaintOver({{0, 0, 200, 200}});
  EXPECT_EQ(effect->processed, 1) << "the holder's bitmap still holds its picture";
}

TEST_F(PaintPipeline, AScreenshotIsTheObjectAtItsWholeSize) {
  TPaintProbe* object = AddProbe(root, A, {10, 20, 40.7f, 30.2f});
  std::unique_ptr<TvgBitmap> shot = object->MakeScreenshot();
  EXPECT_EQ(shot->Width(), 30);
  EXPECT_EQ(shot->Height(), 10);
  auto* shotCanvas = dynamic_cast<TPaintLogCanvas*>(shot->GetCanvas());
  ASSERT_NE(shotCanvas, nullptr);
  ASSERT_EQ(shotCanvas->FilledColors(), (std::vector<TvgColor>{A}));
  EXPECT_EQ(shotCanvas->Calls("FillRect")[0].Matrix.m31, 0);
}

// The scene host in real windows under Xvfb: invalidation, coalescing into paint passes, the
// background, the layered window's pixels, window controls on the scene, an animated turn
// repainted through small invalidations, streaming.
#include "engine/scene/Scene.h"

#include <gtest/gtest.h>

#include "tests/support/DesktopFixture.h"
#include "tests/support/PaintLog.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/Reader.h"
#include "classlib/core/Writer.h"
#include "classlib/desktop/Form.h"
#include "engine/animation/AnimationClock.h"
#include "engine/animation/FloatAnimation.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/shapes/Shapes.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/styles/Resources.h"
#include "engine/scene/SceneUnit.h"
#include "toolkit/Toolkit.h"

namespace {

constexpr TvgColor kRed = 0xFFFF0000, kWhite = 0xFFFFFFFF, kUntouched = 0xFF123456;

// Counts the paint passes and keeps the rectangles each one was given.
class TCountingScene : public TvgWindowScene {
public:
  using TvgWindowScene::TvgWindowScene;
  int draws = 0;
  std::vector<std::vector<TvgRect>> passes;
  void Draw() override {
    ++draws;
    std::vector<TvgRect> rects;
    for (int i = 0; i < GetUpdateRectsCount(); ++i) rects.push_back(GetUpdateRect(i));
    passes.push_back(rects);
    TvgWindowScene::Draw();
  }
};

// A probe that notes how often it painted and how many rectangles the pass had.
class TCountingProbe : public TPaintProbe {
  CL_CLASS(TCountingProbe, TPaintProbe)
public:
  using TPaintProbe::TPaintProbe;
  int paints = 0;
  int rectsSeen = 0;
  void Paint() override {
    ++paints;
    rectsSeen = Scene()->GetUpdateRectsCount();
    TPaintProbe::Paint();
  }
};

// Invalidates another area the first time it paints.
class TInvalidatingProbe : public TPaintProbe {
  CL_CLASS(TInvalidatingProbe, TPaintProbe)
public:
  using TPaintProbe::TPaintProbe;
  bool done = false;
  void Paint() override {
    if (!std::exchange(done, true)) Scene()->AddUpdateRect({150, 50, 160, 60});
    TPaintProbe::Paint();
  }
};

// Counts the requests to re-apply styles.
class TStyledProbe : public TPaintProbe {
  CL_CLASS(TStyledProbe, TPaintProbe)
public:
  using TPaintProbe::TPaintProbe;
  int updates = 0;
  void UpdateResource() override { ++updates; }
};

// A window control that paints itself blue with GDI.
class TBlueControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override {
    const RECT all{0, 0, Width(), Height()};
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(Canvas()->Handle(), &all, brush);
    DeleteObject(brush);
  }
};

// Says when it is destroyed.
class TDestroyFlagProbe : public TPaintProbe {
  CL_CLASS(TDestroyFlagProbe, TPaintProbe)
public:
  using TPaintProbe::TPaintProbe;
  ~TDestroyFlagProbe() override {
    if (destroyed) *destroyed = true;
  }
  bool* destroyed = nullptr;
};

class SceneHost : public DesktopTest {
protected:
  static void SetUpTestSuite() { vgInitializeToolkit(); }
  void TearDown() override {
    if (form) form->Free();
    DesktopTest::TearDown();
  }

  // A borderless 200 x 100 form at (50, 60) whose whole client area is the scene, shown and
  // painted once.
  TCountingScene* ShowScene(bool transparency, TWinControl* parent = nullptr) {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(50, 60, 200, 100);
    scene = new TCountingScene(form);
    scene->SetParent(parent ? parent : form);
    scene->SetAlign(alClient);
    scene->SetTransparency(transparency);
    root = new TCountingProbe(nullptr);
    root->color = kWhite;
    scene->AddObject(root);
    form->Show();
    EXPECT_TRUE(PumpUntil([&] { return scene->draws > 0; })) << "the scene was never painted";
    Application->ProcessMessages();
    return scene;
  }
  TvgColor Pixel(int x, int y) const {
    TvgCanvas* canvas = scene->GetCanvas();
    return canvas->BufferBits()[y * canvas->Width() + x];
  }
  // Invalidates and pumps until the scene painted the invalidation.
  void Repaint(const TvgRect& rect = {0, 0, 200, 100}) {
    const int before = scene->draws;
    scene->AddUpdateRect(rect);
    ASSERT_TRUE(PumpUntil([&] { return scene->draws > before; }));
  }

  TForm* form = nullptr;
  TCountingScene* scene = nullptr;
  TCountingProbe* root = nullptr;
};

}  // namespace

CL_PUBLISHED(TCountingProbe) {}
CL_PUBLISHED(TStyledProbe) {}
CL_PUBLISHED(TInvalidatingProbe) {}
CL_PUBLISHED(TDestroyFlagProbe) {}

TEST_F(SceneHost, TheToolkitMakesAGdiPlusCanvasOfTheScenesSize) {
  ShowScene(false);
  ASSERT_NE(scene->GetCanvas(), nullptr);
  EXPECT_EQ(scene->GetCanvas()->Width(), 200);
  EXPECT_EQ(scene->GetCanvas()->Height(), 100);
  EXPECT_EQ(scene->GetCanvas()->WindowHandle, scene->Handle());
  EXPECT_EQ(root->Width(), 200);
  EXPECT_EQ(root->Height(), 100);
  form->SetBounds(50, 60, 150, 80);
  EXPECT_EQ(scene->GetCanvas()->Width(), 150);
  EXPECT_EQ(root->Width(), 150);
}

TEST_F(SceneHost, InvalidationsSnapOutwardToWholePixels) {
  ShowScene(true);
  scene->AddUpdateRect({0.2f, 0.7f, 10.1f, 10.9f});
  ASSERT_EQ(scene->GetUpdateRectsCount(), 1);
  EXPECT_EQ(scene->GetUpdateRect(0), (TvgRect{0, 0, 11, 11}));
  scene->AddUpdateRect({-5, -5, 3, 3});
  EXPECT_EQ(scene->GetUpdateRect(1), (TvgRect{-5, -5, 4, 4}));
}

TEST_F(SceneHost, InvalidationsThatCannotBePaintedAreDropped) {
  ShowScene(true);
  const struct {
    const char* what;
    TvgRect rect;
  } cases[] = {{"no width", {5, 5, 5, 20}}, {"no height", {5, 5, 20, 5}}, {"off the scene", {300, 10, 310, 20}}};
  for (const auto& c : cases) {
    scene->AddUpdateRect(c.rect);
    EXPECT_EQ(scene->GetUpdateRectsCount(), 0) << c.what;
  }
  scene->SetDisableUpdate(true);
  scene->AddUpdateRect({0, 0, 10, 10});
  EXPECT_EQ(scene->GetUpdateRectsCount(), 0) << "updates off";
  scene->SetDisableUpdate(false);

  // A scene without a window, or without any area, takes nothing.
  Owned<TCountingScene> windowless(new TCountingScene(nullptr));
  windowless->AddUpdateRect({0, 0, 10, 10});
  EXPECT_EQ(windowless->GetUpdateRectsCount(), 0);
  scene->SetAlign(alNone);
  scene->SetBounds(0, 0, 0, 100);
  scene->AddUpdateRect({0, 0, 10, 10});
  EXPECT_EQ(scene->GetUpdateRectsCount(), 0) << "zero width";
}

TEST_F(SceneHost, ALayeredSceneCoalescesATurnsInvalidationsIntoOnePass) {
  ShowScene(true);
  const int before = scene->draws;
  for (int i = 0; i < 10; ++i) scene->AddUpdateRect({float(i * 10), 0, float(i * 10 + 5), 5});
  Application->ProcessMessages();
  EXPECT_EQ(scene->draws, before + 1);
  EXPECT_EQ(scene->passes.back().size(), 10u);
  EXPECT_EQ(scene->GetUpdateRectsCount(), 0);
  PumpFor(100);
  EXPECT_EQ(scene->draws, before + 1);
}

TEST_F(SceneHost, AnOrdinarySceneCoalescesThroughTheWindowsUpdateRegion) {
  ShowScene(false);
  const int before = scene->draws;
  for (int i = 0; i < 10; ++i) scene->AddUpdateRect({float(i * 10), 0, float(i * 10 + 5), 5});
  Application->ProcessMessages();
  EXPECT_EQ(scene->draws, before + 1);
  TvgRect covered = scene->passes.back().front();
  for (const TvgRect& r : scene->passes.back()) covered = vgUnionRect(covered, r);
  EXPECT_EQ(covered, (TvgRect{0, 0, 96, 6}));
  PumpFor(100);
  EXPECT_EQ(scene->draws, before + 1);
}

TEST_F(SceneHost, MovingAnObjectManyTimesInATurnPaintsOnce) {
  ShowScene(true);
  TPaintProbe* box = AddProbe(root, kRed, {10, 10, 30, 30});
  Application->ProcessMessages();
  const int before = scene->draws;
  for (int x = 0; x < 50; x += 5) box->Position()->SetX(float(x));
  Application->ProcessMessages();
  EXPECT_EQ(scene->draws, before + 1);
  EXPECT_EQ(Pixel(46, 20), kRed);
  EXPECT_EQ(Pixel(15, 20), kWhite);
}

TEST_F(SceneHost, WhatIsInvalidatedWhilePaintingIsPaintedByTheNextPass) {
  for (bool transparency : {true, false}) {
    ShowScene(transparency);
    auto* probe = new TInvalidatingProbe(nullptr);
    probe->SetBounds(0, 0, 10, 10);
    root->AddObject(probe);
    const int before = scene->draws;
    ASSERT_TRUE(PumpUntil([&] { return scene->draws >= before + 2; })) << transparency;
    const auto& last = scene->passes.back();
    EXPECT_NE(std::find(last.begin(), last.end(), TvgRect{150, 50, 161, 61}), last.end()) << transparency;
    form->Free();
    form = nullptr;
  }
}

TEST_F(SceneHost, AQuitMessageBehindTheDrawMessagesKeepsItsExitCode) {
  ShowScene(true);
  const int before = scene->draws;
  for (int i = 0; i < 3; ++i) scene->AddUpdateRect({0, 0, 10, 10});
  PostQuitMessage(7);
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) DispatchMessageW(&msg);
  ASSERT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(scene->draws, before + 1);
}

TEST_F(SceneHost, MoreThanTwentyRectanglesArePaintedAsTheirUnion) {
  ShowScene(true);
  for (int count : {20, 21}) {
    for (int i = 0; i < count; ++i) scene->AddUpdateRect({float(i * 5), 0, float(i * 5 + 2), 2});
    Application->ProcessMessages();
    EXPECT_EQ(root->rectsSeen, count == 20 ? 20 : 1) << count;
  }
}

TEST_F(SceneHost, ARootTouchingTwoRectanglesPaintsOnce) {
  ShowScene(true);
  const int paints = root->paints;
  scene->AddUpdateRect({0, 0, 10, 10});
  scene->AddUpdateRect({50, 50, 60, 60});
  Application->ProcessMessages();
  EXPECT_EQ(root->paints, paints + 1);
}

TEST_F(SceneHost, ASmallInvalidationRepaintsOnlyInsideItsRectangle) {
  const struct {
    TvgColor color;
    TvgRect bounds;
  } probes[] = {{0xFFFF0000, {10, 10, 40, 40}}, {0xFF0000FF, {60, 10, 90, 40}}, {0xFF00FF00, {110, 10, 190, 90}}};
  const struct {
    TvgRect invalidated;
    std::vector<bool> painted;  // per probe
  } cases[] = {
      {{115, 15, 125, 25}, {false, false, true}},   // inside one probe
      {{35, 35, 45, 45}, {true, false, false}},     // across a probe's corner
      {{45, 60, 55, 70}, {false, false, false}},    // only the root beneath
      {{85, 20, 115, 30}, {false, true, true}},     // across two probes
  };
  ShowScene(true);
  std::vector<TCountingProbe*> children;
  for (const auto& p : probes) {
    auto* child = new TCountingProbe(nullptr);
    child->color = p.color;
    child->SetBounds(p.bounds.Left, p.bounds.Top, vgRectWidth(p.bounds), vgRectHeight(p.bounds));
    root->AddObject(child);
    children.push_back(child);
  }
  Application->ProcessMessages();
  auto sceneColour = [&](int x, int y) {
    TvgColor colour = kWhite;
    for (const auto& p : probes)
      if (x >= p.bounds.Left && x < p.bounds.Right && y >= p.bounds.Top && y < p.bounds.Bottom) colour = p.color;
    return colour;
  };
  TvgCanvas* canvas = scene->GetCanvas();
  for (const auto& c : cases) {
    std::fill_n(canvas->BufferBits(), canvas->Width() * canvas->Height(), kUntouched);
    std::vector<int> paintsBefore;
    for (TCountingProbe* child : children) paintsBefore.push_back(child->paints);
    const int rootPaints = root->paints;
    Repaint(c.invalidated);
    ASSERT_EQ(scene->passes.back().size(), 1u);
    const TvgRect area = scene->passes.back().front();  // the rect snapped outward to whole pixels
    EXPECT_EQ(area, (TvgRect{c.invalidated.Left, c.invalidated.Top, c.invalidated.Right + 1, c.invalidated.Bottom + 1}));
    int wrong = 0;
    for (int y = 0; y < canvas->Height(); ++y)
      for (int x = 0; x < canvas->Width(); ++x) {
        const bool inside = x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom;
        if (Pixel(x, y) != (inside ? sceneColour(x, y) : kUntouched)) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << "pixels wrong after invalidating " << c.invalidated.Left << "," << c.invalidated.Top;
    EXPECT_EQ(root->paints, rootPaints + 1);
    for (size_t i = 0; i < children.size(); ++i)
      EXPECT_EQ(children[i]->paints - paintsBefore[i], c.painted[i] ? 1 : 0)
          << "probe " << i << " after invalidating " << c.invalidated.Left << "," << c.invalidated.Top;
  }
}

// Each frame of a turn comes through the pass of the bar's own small invalidation, and shows what
// a whole repaint of that moment shows (nothing left of the earlier angle, nothing cut off) and
// what small repaints of its parts show.
TEST_F(SceneHost, AnAnimatedTurnShowsEachFrameWholeThroughSmallInvalidations) {
  static uint32_t now = 800000;
  vgFreeAnimationClock();
  vgSetAnimationTickSource([] { return now; });
  struct TRealClock {
    ~TRealClock() {
      vgFreeAnimationClock();
      vgSetAnimationTickSource(nullptr);
    }
  } realClock;
  ShowScene(true);
  auto* bar = new TvgRectangle(nullptr);
  bar->SetBounds(80, 46, 40, 8);
  bar->Fill()->SetSolidColor(kRed);
  bar->Stroke()->SetStyle(vgBrushNone);
  root->AddObject(bar);
  auto* turn = new TvgFloatAnimation(nullptr);
  turn->SetPropertyName("RotateAngle");
  turn->SetStartValue(0);
  turn->SetStopValue(90);
  turn->SetDuration(0.2f);
  bar->AddObject(turn);
  Application->ProcessMessages();

  // The bar turns within the 60 x 60 square around its middle.
  const TvgRect square{70, 20, 130, 80};
  auto snapshot = [&] {
    std::vector<TvgColor> pixels;
    for (int y = int(square.Top); y < int(square.Bottom); ++y)
      for (int x = int(square.Left); x < int(square.Right); ++x) pixels.push_back(Pixel(x, y));
    return pixels;
  };
  std::vector<std::vector<TvgColor>> frames{snapshot()};
  turn->Start();
  while (turn->Running()) {
    now += 33;
    const int before = scene->draws;
    vgAnimationClock()->Tick();
    ASSERT_TRUE(PumpUntil([&] { return scene->draws > before; })) << "no pass for the frame at " << bar->RotateAngle();
    for (const TvgRect& r : scene->passes.back()) {
      TvgRect within;
      EXPECT_TRUE(vgIntersectRect(within, r, square) && within == r)
          << "a pass of the turn repainted beyond the bar: " << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
    }
    frames.push_back(snapshot());
    Repaint();
    EXPECT_EQ(snapshot(), frames.back()) << "the frame at " << bar->RotateAngle() << " differs from a whole repaint";
    // The same moment over wiped pixels, a 10 x 10 tile per pass: each tile meets only a part of the
    // turned bar, or none of it.
    TvgCanvas* canvas = scene->GetCanvas();
    std::fill_n(canvas->BufferBits(), canvas->Width() * canvas->Height(), kUntouched);
    for (float y = square.Top; y < square.Bottom; y += 10)
      for (float x = square.Left; x < square.Right; x += 10) Repaint({x, y, x + 10, y + 10});
    EXPECT_EQ(snapshot(), frames.back()) << "the frame at " << bar->RotateAngle() << " repainted in tiles differs";
  }
  EXPECT_EQ(bar->RotateAngle(), 90);
  ASSERT_GE(frames.size(), 3u);
  EXPECT_NE(frames.front(), frames.back()) << "the bar did not turn";
  EXPECT_TRUE(std::any_of(frames.begin() + 1, frames.end() - 1, [&](const std::vector<TvgColor>& frame) {
    return frame != frames.front() && frame != frames.back();
  })) << "no frame shows the bar between its first and its last angle";
}

TEST_F(SceneHost, AQuarterTurnedRootIsLaidOutTurnedAndCentred) {
  ShowScene(false);
  const struct {
    float angle;
    TvgRect bounds;  // position and size
  } cases[] = {{90, {50, -50, 100, 200}}, {-270, {50, -50, 100, 200}}, {-90, {50, -50, 100, 200}},
               {180, {0, 0, 200, 100}}};
  for (const auto& c : cases) {
    root->SetRotateAngle(c.angle);
    scene->SetBounds(0, 0, 200, 100);
    EXPECT_EQ(root->Position()->GetPoint(), (TvgPoint{c.bounds.Left, c.bounds.Top})) << c.angle;
    EXPECT_EQ(root->Width(), c.bounds.Right) << c.angle;
    EXPECT_EQ(root->Height(), c.bounds.Bottom) << c.angle;
    const TvgRect covered = root->GetAbsoluteRect();
    EXPECT_NEAR(covered.Left, 0, 1e-3);
    EXPECT_NEAR(covered.Top, 0, 1e-3);
    EXPECT_NEAR(covered.Right, 200, 1e-3);
    EXPECT_NEAR(covered.Bottom, 100, 1e-3);
  }
}

TEST_F(SceneHost, AnInvisibleFillClearsToTransparentOrToItsColour) {
  for (bool transparency : {true, false}) {
    ShowScene(transparency);
    scene->Fill()->SetSolidColor(0x00123456);
    root->SetVisible(false);
    const TvgColor expected = transparency ? 0u : 0x00123456u;
    EXPECT_TRUE(PumpUntil([&] { return Pixel(100, 50) == expected; })) << transparency;
    form->Free();
    form = nullptr;
  }
}

TEST_F(SceneHost, TheFillPaintsBeneathTheTree) {
  ShowScene(true);
  root->SetVisible(false);
  TvgBrush fill(vgBrushSolid, 0xFF00FF00);
  scene->SetFill(&fill);
  ASSERT_TRUE(PumpUntil([&] { return Pixel(0, 0) == 0xFF00FF00; }));
  EXPECT_EQ(Pixel(199, 99), 0xFF00FF00);
}

TEST_F(SceneHost, ALayeredSceneHandsItsPixelsToTheFormWithTransparentMargins) {
  ShowScene(true);
  ASSERT_NE(vgUpdateLayeredWindow, nullptr);
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  TvgBrush none(vgBrushNone, 0);
  scene->SetFill(&none);
  root->color = 0;
  root->Margins()->SetRect({10, 10, 10, 10});
  TPaintProbe* card = AddProbe(root, kRed, {0, 0, 10, 10});
  card->SetAlign(vaClient);
  Repaint();
  EXPECT_EQ(Pixel(5, 5), 0u);
  EXPECT_EQ(Pixel(15, 15), kRed);
  EXPECT_EQ(Pixel(189, 89), kRed);
  EXPECT_EQ(Pixel(195, 95), 0u);
}

TEST_F(SceneHost, WindowControlsOnALayeredSceneShowWithTheScenesAlpha) {
  ShowScene(true);
  auto* control = new TBlueControl(form);
  control->SetBounds(10, 10, 20, 20);
  control->SetParent(scene);
  Repaint();
  EXPECT_EQ(Pixel(15, 15), 0xFF0000FFu);  // over the root's opaque white
  EXPECT_EQ(Pixel(5, 5), kWhite);
}

TEST_F(SceneHost, ASeeThroughChildSceneShowsWhatItsParentPaintsBeneath) {
  form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(50, 60, 200, 100);
  auto* panel = new TBlueControl(form);
  panel->SetBounds(0, 0, 200, 100);
  panel->SetParent(form);
  scene = new TCountingScene(form);
  scene->SetTransparency(true);
  scene->SetBounds(20, 10, 100, 50);
  scene->SetParent(panel);
  TvgBrush none(vgBrushNone, 0);
  scene->SetFill(&none);
  root = new TCountingProbe(nullptr);
  root->color = 0;
  scene->AddObject(root);
  AddProbe(root, kRed, {0, 0, 10, 10});
  form->Show();
  ASSERT_TRUE(PumpUntil([&] { return scene->draws > 0; }));
  Repaint({0, 0, 100, 50});
  EXPECT_EQ(Pixel(5, 5), kRed);
  EXPECT_EQ(Pixel(75, 25) & 0x00FFFFFF, 0x0000FFu);  // the panel's blue
  EXPECT_EQ(Pixel(99, 49) & 0x00FFFFFF, 0x0000FFu);
}

TEST_F(SceneHost, AStreamedScenePaintsWholeFromTheMessageLoopOnceLoaded) {
  ShowScene(false);
  const int before = scene->draws;
  scene->Loaded();
  ASSERT_TRUE(PumpUntil([&] { return scene->draws > before; }));
  TvgRect covered = scene->passes.back().front();
  for (const TvgRect& r : scene->passes.back()) covered = vgUnionRect(covered, r);
  EXPECT_EQ(covered, (TvgRect{0, 0, 200, 100}));
}

TEST_F(SceneHost, OnlyStoredRootsAndTheDesignSettingsAreStreamed) {
  RegisterClasses({TCountingProbe::StaticClass()});
  ShowScene(false);
  auto* hidden = new TCountingProbe(nullptr);
  hidden->SetStored(false);
  scene->AddObject(hidden);
  scene->SetDesignSnapGridShow(true);
  scene->SetDesignSnapToLines(false);
  scene->SetDesignSnapToGrid(true);
  TMemoryStream stream;
  WriteComponentToStream(stream, scene);
  stream.SetPosition(0);
  Owned<TForm> hiddenForm(new TForm(nullptr));
  auto* copy = new TCountingScene(hiddenForm.get());
  copy->SetParent(hiddenForm.get());
  ReadComponentFromStream(stream, copy);
  ASSERT_EQ(copy->RootCount(), 1);
  EXPECT_NE(dynamic_cast<TCountingProbe*>(copy->GetRoot()), nullptr);
  EXPECT_FALSE(copy->DesignSnapGridShow()) << "the grid shows only in the designer";
  EXPECT_FALSE(copy->DesignSnapToLines());
  EXPECT_TRUE(copy->DesignSnapToGrid());
}

TEST_F(SceneHost, DestructionFreesTheRootsAndLeavesTheSceneList) {
  ShowScene(false);
  auto* other = new TDestroyFlagProbe(nullptr);
  scene->AddObject(other);
  auto* grandchild = new TDestroyFlagProbe(nullptr);
  other->AddObject(grandchild);
  bool otherGone = false, grandchildGone = false;
  other->destroyed = &otherGone;
  grandchild->destroyed = &grandchildGone;
  ASSERT_NE(std::find(vgScenes().begin(), vgScenes().end(), scene), vgScenes().end());
  IvgWindowScene* gone = scene;
  form->Free();
  form = nullptr;
  EXPECT_TRUE(otherGone);
  EXPECT_TRUE(grandchildGone);
  EXPECT_EQ(std::find(vgScenes().begin(), vgScenes().end(), gone), vgScenes().end());
}

TEST_F(SceneHost, AStyleThatChangesOrGoesMakesTheRootApplyStylesAgain) {
  Owned<TCountingScene> styled(new TCountingScene(nullptr));
  auto* probe = new TStyledProbe(nullptr);
  styled->AddObject(probe);
  auto* resources = new TvgResources(nullptr);
  styled->SetStyle(resources);
  EXPECT_EQ(styled->GetStyle(), resources);
  EXPECT_EQ(probe->updates, 1);
  styled->SetStyle(resources);
  EXPECT_EQ(probe->updates, 1);
  resources->Free();
  EXPECT_EQ(styled->GetStyle(), nullptr);
  EXPECT_EQ(probe->updates, 2);
}

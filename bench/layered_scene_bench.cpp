// layered_scene_bench: the toolkit's side of the layered-window benchmark.
//   layered_scene_bench startup   prints "on-screen MS": milliseconds from process creation until
//                                 a 474 x 408 per-pixel transparent scene with about 10 shapes
//                                 and texts has been handed to the window system the first time.
//   layered_scene_bench repaint   prints the mean and worst time of one paint pass after a small
//                                 (10 x 10) invalidation, and of a full one, against the 33 ms tick,
//                                 each split into the message turn, the tree walk, the canvas's
//                                 kinds of work and the layered-window update.
#include "classlib/desktop/Win32.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/PaintTimer.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/Scene.h"
#include "toolkit/Toolkit.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr int kWidth = 474, kHeight = 408;
constexpr double kTickMs = 33;
constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};

// A shape of the update window: a rounded rect with an outline, or a text.
class TShape : public TvgVisualObject {
  CL_CLASS(TShape, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
  TvgColor fill = 0, stroke = 0;
  std::wstring text;
  void Paint() override {
    TvgCanvas* canvas = GetCanvas();
    canvas->Fill()->SetSolidColor(fill);
    if (!text.empty()) {
      canvas->FillText(GetLocalRect(), GetLocalRect(), text, true, GetAbsoluteOpacity(), vgTextAlignNear,
                       vgTextAlignNear);
      return;
    }
    canvas->FillRect(GetLocalRect(), 4, 4, kAllCorners, GetAbsoluteOpacity(), vgCornerRound);
    if (stroke == 0) return;
    canvas->Stroke()->SetSolidColor(stroke);
    canvas->DrawRect(GetLocalRect(), 4, 4, kAllCorners, GetAbsoluteOpacity(), vgCornerRound);
  }
};

class TTimedScene : public TvgWindowScene {
public:
  using TvgWindowScene::TvgWindowScene;
  int draws = 0;
  double firstOnScreen = 0;
  void Draw() override {
    TvgWindowScene::Draw();
    if (++draws == 1) firstOnScreen = vgBenchSinceProcessStartMs();
  }
};

TShape* AddShape(TvgObject* parent, const TvgRect& r, TvgColor fill, TvgColor stroke = 0, std::wstring text = {}) {
  auto* shape = new TShape(nullptr);
  shape->fill = fill;
  shape->stroke = stroke;
  shape->text = std::move(text);
  shape->SetBounds(r.Left, r.Top, vgRectWidth(r), vgRectHeight(r));
  parent->AddObject(shape);
  return shape;
}

// The update window's layout: a card inside a transparent margin, an image block, a title, notes
// and two buttons with captions.
TTimedScene* ShowScene() {
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(200, 150, kWidth, kHeight);
  auto* scene = new TTimedScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  scene->SetTransparency(true);
  TvgBrush none(vgBrushNone, 0);
  scene->SetFill(&none);
  auto* root = new TShape(nullptr);
  scene->AddObject(root);
  root->Margins()->SetRect({10, 10, 10, 10});
  TShape* card = AddShape(root, {0, 0, 10, 10}, 0xFFFFFFFF, 0xFF6C6C6C);
  card->SetAlign(vaClient);
  AddShape(card, {20, 20, 120, 120}, 0xFF3A7BD5);
  AddShape(card, {121, 38, 303, 88}, 0xFF5C5C5C, 0, L"Kest Browser update");
  AddShape(card, {20, 140, 434, 290}, 0xFF333333, 0,
           L"1. Faster page loading\n2. Fixes for video playback\n3. Safer downloads\n4. Smaller memory use");
  AddShape(card, {0, 300, 454, 301}, 0xFFE0E0E0);
  AddShape(card, {144, 305, 274, 354}, 0xFFBEBEBE, 0xFFA0A0A0);
  AddShape(card, {144, 318, 274, 340}, 0xFF333333, 0, L"Not now");
  AddShape(card, {276, 305, 406, 354}, 0xFF337AB7, 0xFF2E6DA4);
  AddShape(card, {276, 318, 406, 340}, 0xFFFFFFFF, 0, L"Update now");
  form->Show();
  while (scene->draws == 0) {
    Application->ProcessMessages();
    if (scene->draws == 0) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return scene;
}

struct TTimes {
  double mean, worst;
  TPaintTimes parts;
};

TTimes TimePasses(TTimedScene* scene, const std::vector<TvgRect>& rects, int rounds) {
  double total = 0, worst = 0;
  vgTakePaintTimes();
  for (int i = 0; i < rounds; ++i) {
    const TvgRect& r = rects[size_t(i) % rects.size()];
    const int before = scene->draws;
    const double start = vgBenchNowMs();
    scene->AddUpdateRect(r);
    while (scene->draws == before) Application->ProcessMessages();
    const double took = vgBenchNowMs() - start;
    total += took;
    worst = std::max(worst, took);
  }
  return {total / rounds, worst, vgTakePaintTimes()};
}

void Report(const char* what, const TTimes& t) {
  std::printf("%s mean %.3f ms, worst %.3f ms, %.1f%% of the %.0f ms tick\n", what, t.mean, t.worst,
              t.mean * 100 / kTickMs, kTickMs);
  const double perPass = t.parts.Passes ? t.parts.PassMs / t.parts.Passes : 0;
  std::printf("    %-28s %8.3f ms\n", "message turn (post, drain)", t.mean - perPass);
  vgPrintPaintTimes(t.parts, "    ", true);
}

}  // namespace

CL_PUBLISHED(TShape) {}

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "startup";
  if (mode != "startup") vgInstallTimedCanvas();
  TvgToolkit toolkit;
  Application->Initialize();
  if (mode != "startup") vgInstallTimedCodecAndWindow();
  TTimedScene* scene = ShowScene();
  if (mode == "startup") {
    std::printf("on-screen %.1f\n", scene->firstOnScreen);
    std::fflush(stdout);
    ExitProcess(0);  // the start-up is measured, not the end
  }
  std::vector<TvgRect> smalls;
  for (int i = 0; i < 16; ++i) smalls.push_back({float(30 + i * 25), float(150 + (i % 4) * 30), float(40 + i * 25),
                                                 float(160 + (i % 4) * 30)});
  TimePasses(scene, smalls, 20);  // warm up
  const TTimes small = TimePasses(scene, smalls, 400);
  const TTimes full = TimePasses(scene, {{0, 0, float(kWidth), float(kHeight)}}, 100);
  Report("small invalidation (10 x 10):", small);
  Report("full repaint (474 x 408):    ", full);
  std::fflush(stdout);
  ExitProcess(0);
}

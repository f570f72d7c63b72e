// A program that shows a small scene tree, driven from outside by scene_screenshot_test.sh:
//   scene_demo layered|window LEFT TOP STOPFILE
// It shows a borderless 200 x 150 form at (LEFT, TOP) whose whole client area is a scene: in
// "layered" mode a per-pixel transparent scene whose root leaves a 10-pixel transparent margin,
// in "window" mode an ordinary scene on a green fill. Inside, a red card holds a blue square and
// a half-transparent white one. It prints "ready" once the tree is on screen and ends when
// STOPFILE exists (or after a minute).
#include "classlib/desktop/Win32.h"

#include <cstdio>
#include <string>

#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "engine/paint/Brush.h"
#include "engine/paint/Canvas.h"
#include "engine/scene/Scene.h"
#include "toolkit/Toolkit.h"
#include "engine/tree/VisualObject.h"

namespace {

constexpr TvgCorners kAllCorners{vgCornerTopLeft, vgCornerTopRight, vgCornerBottomLeft, vgCornerBottomRight};

class TBlock : public TvgVisualObject {
  CL_CLASS(TBlock, TvgVisualObject)
public:
  using TvgVisualObject::TvgVisualObject;
  TvgColor color = 0;
  void Paint() override {
    GetCanvas()->Fill()->SetStyle(vgBrushSolid);
    GetCanvas()->Fill()->SetSolidColor(color);
    GetCanvas()->FillRect(GetLocalRect(), 0, 0, kAllCorners, GetAbsoluteOpacity(), vgCornerRound);
  }
};

// Counts the paint passes.
class TDemoScene : public TvgWindowScene {
public:
  using TvgWindowScene::TvgWindowScene;
  int draws = 0;
  void Draw() override {
    TvgWindowScene::Draw();
    ++draws;
  }
};

TBlock* AddBlock(TvgObject* parent, TvgColor color, float x, float y, float width, float height) {
  auto* block = new TBlock(nullptr);
  block->color = color;
  block->SetBounds(x, y, width, height);
  parent->AddObject(block);
  return block;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

CL_PUBLISHED(TBlock) {}

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: scene_demo layered|window LEFT TOP STOPFILE\n");
    return 2;
  }
  const bool layered = std::string(argv[1]) == "layered";
  const std::string stopFile = argv[4];
  TvgToolkit toolkit;
  Application->Initialize();

  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetFormStyle(fsStayOnTop);
  form->SetBounds(std::atoi(argv[2]), std::atoi(argv[3]), 200, 150);
  auto* scene = new TDemoScene(form);
  scene->SetParent(form);
  scene->SetAlign(alClient);
  scene->SetTransparency(layered);
  TvgBrush fill(layered ? vgBrushNone : vgBrushSolid, 0xFF00FF00);
  scene->SetFill(&fill);

  auto* root = new TBlock(nullptr);
  scene->AddObject(root);
  if (layered) root->Margins()->SetRect({10, 10, 10, 10});
  TBlock* card = AddBlock(root, 0xFFFF0000, 0, 0, 10, 10);
  card->SetAlign(layered ? vaClient : vaCenter);
  if (!layered) card->SetBounds(0, 0, 180, 130);
  AddBlock(card, 0xFF0000FF, 20, 20, 40, 40);
  TBlock* veil = AddBlock(card, 0xFFFFFFFF, 100, 20, 40, 40);
  veil->SetOpacity(0.5f);

  form->Show();
  const DWORD end = GetTickCount() + 60000;
  bool announced = false;
  while (!FileExists(stopFile) && GetTickCount() < end) {
    Application->ProcessMessages();
    if (!announced && scene->draws > 0 && scene->GetUpdateRectsCount() == 0) {
      // One more turn so that the window system has the picture.
      Application->ProcessMessages();
      std::printf("ready %d\n", scene->draws);
      std::fflush(stdout);
      announced = true;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  std::printf("paints %d\n", scene->draws);
  form->Free();
  return 0;
}
